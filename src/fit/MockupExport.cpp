#include "MockupExport.h"

#include "ExportHTML.h"
#include "FitMeasure.h"
#include "FitOverlay.h"
#include "PictureLoader.h"
#include "SaveFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QSet>
#include <QUrl>

namespace Fit {

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("Fit", text);
}

// One image to write and the rows whose targets it shows.
struct Mockup {
    QString name;
    QString sourcePath;
    QString relativeOutput; // with "/" separators
    QList<ImageListRow> rows;
};

QString cleanAbsolute(const QString& path)
{
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

// Two names for one file give one key: the part that exists is resolved
// through links (a saved file follows them), and case is folded for the file
// systems that ignore it.
QString pathKey(const QString& path)
{
    QString existing = cleanAbsolute(path);
    QString rest;
    while (!QFileInfo::exists(existing)) {
        const qsizetype slash = existing.lastIndexOf(u'/');
        if (slash <= 0)
            break;
        rest.prepend(existing.mid(slash));
        existing.truncate(slash);
    }
    const QString canonical = QFileInfo(existing).canonicalFilePath();
    return ((canonical.isEmpty() ? existing : canonical) + rest).toCaseFolded();
}

bool leavesFolder(const QString& relative)
{
    return QDir::isAbsolutePath(relative) || relative == QLatin1String("..") ||
           relative.startsWith(QLatin1String("../"));
}

QString outputName(const QString& relativeName, QSet<QString>& taken)
{
    const QFileInfo info(relativeName);
    const QString folder = info.path() == QLatin1String(".") ? QString() : info.path() + u'/';
    const QString stem = folder + info.completeBaseName();
    QString candidate = stem + QLatin1String(".png");
    for (int n = 2; taken.contains(candidate.toCaseFolded()); ++n)
        candidate = stem + QStringLiteral("-%1.png").arg(n);
    taken.insert(candidate.toCaseFolded());
    return candidate;
}

QByteArray hrefOf(const QString& relative)
{
    QByteArrayList parts;
    for (const QString& part : relative.split(u'/'))
        parts.append(QUrl::toPercentEncoding(part));
    return parts.join('/');
}

QString indexPage(const QList<Mockup>& written)
{
    const QString title = ExportHTML::escape(tr("Mock-ups"));
    QString page = QStringLiteral("<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"UTF-8\">\n"
                                  "<title>%1</title>\n</head>\n<body>\n<h1>%1</h1>\n<ul>\n")
                       .arg(title);
    for (const Mockup& mockup : written) {
        QStringList targets;
        for (const ImageListRow& row : mockup.rows)
            targets.append(row.targetText);
        page += QLatin1String("<li><a href=\"") +
                ExportHTML::escape(QString::fromLatin1(hrefOf(mockup.relativeOutput))) +
                QLatin1String("\">") + ExportHTML::escape(mockup.name) + QLatin1String("</a>: ") +
                ExportHTML::escape(targets.join(QLatin1String(" / "))) + QLatin1String("</li>\n");
    }
    page += QLatin1String("</ul>\n</body>\n</html>\n");
    return page;
}

bool saveBytes(const QString& path, const QByteArray& bytes, QString* error)
{
    return Platform::saveFile(
        path, [&](QIODevice& device, QString*) { return device.write(bytes) == bytes.size(); },
        error);
}

bool savePng(const QString& path, const QImage& image, QString* error)
{
    return Platform::saveFile(
        path,
        [&](QIODevice& device, QString* writeError) {
            if (image.save(&device, "PNG"))
                return true;
            *writeError = tr("the PNG could not be encoded");
            return false;
        },
        error);
}

QImage render(const QImage& image, const Mockup& mockup, const MockupOptions& options,
              bool* anyBoxes)
{
    QImage canvas = image.convertToFormat(QImage::Format_ARGB32);
    QPainter painter(&canvas);
    *anyBoxes = false;
    for (const ImageListRow& row : mockup.rows) {
        const SourceLines lines = options.sourceLines ? options.sourceLines(row) : SourceLines();
        const FitResult fit = measureFit(lines, row.targetText, options.fontFamily);
        *anyBoxes = *anyBoxes || !fit.boxes.isEmpty();
        paintOverlay(painter, image, fit);
    }
    return canvas;
}

} // namespace

MockupResult exportMockups(const QList<ImageListRow>& rows, const MockupOptions& options)
{
    MockupResult result;
    const auto stop = [&](MockupResult::Outcome outcome, const QString& message) {
        result.outcome = outcome;
        result.message = message;
        return result;
    };
    if (options.outputFolder.trimmed().isEmpty())
        return stop(MockupResult::Outcome::Refused,
                    tr("Choose an output folder for the mock-ups."));
    const QDir output(cleanAbsolute(options.outputFolder));

    QSet<QString> sources;
    QList<Mockup> mockups;
    QSet<QString> taken;
    QHash<QString, int> byName;
    for (const ImageListRow& row : rows) {
        const QString sourcePath = options.rootFolder + row.name;
        sources.insert(pathKey(sourcePath));
        if (!row.checked || row.targetText.trimmed().isEmpty())
            continue;
        // Rows split from one image share its mock-up.
        if (const auto same = byName.constFind(row.name); same != byName.cend()) {
            mockups[*same].rows.append(row);
            continue;
        }
        const QString relative = QDir::cleanPath(QDir::fromNativeSeparators(row.name));
        if (relative.isEmpty() || leavesFolder(relative)) {
            if (!result.unsafeNames.contains(row.name))
                result.unsafeNames.append(row.name);
            continue;
        }
        byName.insert(row.name, int(mockups.size()));
        mockups.append({row.name, sourcePath, outputName(relative, taken), {row}});
    }
    for (const Mockup& mockup : std::as_const(mockups)) {
        if (sources.contains(pathKey(output.filePath(mockup.relativeOutput))))
            return stop(MockupResult::Outcome::Refused,
                        tr("The mock-up of \"%1\" would replace a source image. Choose another "
                           "output folder, such as a new one outside the image folder.")
                            .arg(mockup.name));
    }

    const int total = int(mockups.size());
    QList<Mockup> written;
    for (int done = 0; done <= total; ++done) {
        if (options.progress && !options.progress(done, total))
            return stop(MockupResult::Outcome::Cancelled,
                        tr("Cancelled after %1 of %2 images.").arg(done).arg(total));
        if (done == total)
            break;
        const Mockup& mockup = mockups.at(done);
        // At its natural size: boxes are in the image's own pixels.
        const std::atomic_bool never{false};
        const auto picture = PictureLoader::LoadPicture({mockup.sourcePath, 1.0, {}}, never);
        if (!picture) {
            result.undecodable.append(mockup.name);
            continue;
        }
        bool anyBoxes = false;
        const QImage canvas = render(picture->image, mockup, options, &anyBoxes);
        if (!anyBoxes)
            result.withoutTextBoxes.append(mockup.name);
        const QString path = output.filePath(mockup.relativeOutput);
        QString error;
        if (!QDir().mkpath(QFileInfo(path).path()))
            return stop(MockupResult::Outcome::Failed,
                        tr("Can't create the folder \"%1\".")
                            .arg(QDir::toNativeSeparators(QFileInfo(path).path())));
        if (!savePng(path, canvas, &error))
            return stop(MockupResult::Outcome::Failed,
                        tr("Can't write \"%1\": %2").arg(QDir::toNativeSeparators(path), error));
        written.append(mockup);
        ++result.written;
    }

    if (!QDir().mkpath(output.path()))
        return stop(
            MockupResult::Outcome::Failed,
            tr("Can't create the folder \"%1\".").arg(QDir::toNativeSeparators(output.path())));
    const QString indexPath = output.filePath(QStringLiteral("index.htm"));
    QString error;
    if (!saveBytes(indexPath, indexPage(written).toUtf8(), &error))
        return stop(MockupResult::Outcome::Failed,
                    tr("Can't write \"%1\": %2").arg(QDir::toNativeSeparators(indexPath), error));
    result.indexPath = indexPath;
    return result;
}

} // namespace Fit
