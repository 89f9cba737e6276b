#pragma once

#include "ImageListRow.h"

#include <QString>
#include <QStringList>
#include <vector>

class QIODevice;

namespace Exchange {

enum class XliffVersion { V2_0, V1_2 };

struct XliffOptions {
    XliffVersion version = XliffVersion::V2_0;
    QString sourceLanguage = QStringLiteral("en");
    QString targetLanguage = systemLanguage(); // omitted from the file when empty
    // The <file>'s original attribute; XLIFF 1.2 requires one, so it falls
    // back to "image-list" there.
    QString original;

    // The language of the system locale as a BCP 47 tag ("de"), or "und".
    static QString systemLanguage();
};

// Writes every row, in list order, as one XLIFF unit in UTF-8:
// - 2.0: <unit id name="Name"> with <notes><note category="checked">yes|no</note></notes>
//   and <segment><source/><target/></segment>;
// - 1.2: <trans-unit id resname="Name">, extradata="checked" on a checked row.
// A target is written only when the row has one. Texts keep their whitespace
// (xml:space="preserve") and their CRs.
class XliffWriter {
public:
    explicit XliffWriter(XliffOptions options = {});

    // False, with errorString() set, when a text holds a character XML 1.0
    // cannot carry (nothing is written then) or the device refused a write.
    bool write(QIODevice& device, const std::vector<ImageListRow>& rows);
    QString errorString() const { return m_errorString; }

    // The unit id of every row: the Name with anything but ASCII letters,
    // digits, ".", "-" and "_" made "_"; a row whose id an earlier row has
    // (split rows) gets "-2", "-3"... added, skipping ids other rows have.
    // Same rows, same ids.
    static QStringList unitIds(const std::vector<ImageListRow>& rows);

private:
    bool checkTexts(const std::vector<ImageListRow>& rows);

    XliffOptions m_options;
    QString m_errorString;
};

} // namespace Exchange
