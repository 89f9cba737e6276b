#pragma once

#include "ImageListRow.h"
#include "SourceLine.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

namespace Fit {

// The source lines of a row's image; empty where none are known.
using SourceLinesLookup = std::function<SourceLines(const ImageListRow& row)>;
// Called with 0 before the first image and after each one; false cancels.
using MockupProgress = std::function<bool(int done, int total)>;

struct MockupOptions {
    // The image root folder text; a row's image is this followed by its Name.
    QString rootFolder;
    QString outputFolder;
    QString fontFamily = kDefaultFontFamily;
    SourceLinesLookup sourceLines;
    MockupProgress progress; // may be empty
};

struct MockupResult {
    enum class Outcome { Written, Refused, Failed, Cancelled };
    Outcome outcome = Outcome::Written;
    // Why it was refused, failed or stopped; empty when written.
    QString message;
    int written = 0;
    // Names skipped: images that cannot be decoded; Names that lead outside
    // the output folder (an absolute path or "..").
    QStringList undecodable;
    QStringList unsafeNames;
    // Names written as plain copies because no source line was known.
    QStringList withoutTextBoxes;
    QString indexPath;
};

// Writes a PNG mock-up of each image that has a checked row with a Target
// Text: the image with every such row's target painted over its source lines
// (paintOverlay). "dir/photo.jpg" becomes outputFolder/dir/photo.png
// ("photo-2.png" where two Names would meet), folders made as needed; then
// index.htm, linking them. Rows that are unchecked or without a Target Text
// are not exported, but their images are still protected: an output path
// equal to any row's image refuses the whole export before anything is
// written. A failed write stops the export; files already written stay.
// Cancelling stops before the next image and writes no index. Plain code: run
// it off the GUI thread; progress is called on the thread that runs it.
MockupResult exportMockups(const QList<ImageListRow>& rows, const MockupOptions& options);

} // namespace Fit
