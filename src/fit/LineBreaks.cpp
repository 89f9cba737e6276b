#include "LineBreaks.h"

#include <QRegularExpression>
#include <QTextBoundaryFinder>
#include <limits>
#include <vector>

namespace Fit {

namespace {

// Beyond this the balance works on pairs of pieces; such a text is no label.
constexpr int kMaxPieces = 512;

// A run of text up to the next break opportunity, its trailing spaces included.
struct Piece {
    int segment = 0;
    qsizetype start = 0;
    qsizetype inkEnd = 0; // before the trailing spaces
    qreal fullWidth = 0;
    qreal inkWidth = 0;
};

QStringList forcedSegments(const QString& target)
{
    static const QRegularExpression forced(QStringLiteral("\\r\\n|\\n|\\r| / "));
    QStringList segments;
    for (const QString& part : target.split(forced)) {
        const QString text = part.trimmed();
        if (!text.isEmpty())
            segments.append(text);
    }
    return segments;
}

std::vector<Piece> piecesOf(const QStringList& segments, const TextWidth& width)
{
    std::vector<Piece> pieces;
    for (int segment = 0; segment < segments.size(); ++segment) {
        const QString& text = segments.at(segment);
        const auto add = [&](qsizetype start, qsizetype end) {
            qsizetype inkEnd = end;
            while (inkEnd > start && text.at(inkEnd - 1).isSpace())
                --inkEnd;
            pieces.push_back({segment, start, inkEnd, width(text.mid(start, end - start)),
                              width(text.mid(start, inkEnd - start))});
        };
        QTextBoundaryFinder finder(QTextBoundaryFinder::Line, text);
        qsizetype start = 0;
        for (qsizetype at = finder.toNextBoundary(); at != -1; at = finder.toNextBoundary()) {
            if (at > start) {
                add(start, at);
                start = at;
            }
        }
        if (start < text.size())
            add(start, text.size());
    }
    return pieces;
}

// Joins neighbours within a segment until few enough remain for the balance.
void coarsen(std::vector<Piece>& pieces)
{
    while (pieces.size() > size_t(kMaxPieces)) {
        std::vector<Piece> joined;
        for (size_t i = 0; i < pieces.size(); ++i) {
            Piece piece = pieces[i];
            if (i + 1 < pieces.size() && pieces[i + 1].segment == piece.segment) {
                const Piece& next = pieces[++i];
                piece.inkEnd = next.inkEnd;
                piece.inkWidth = piece.fullWidth + next.inkWidth;
                piece.fullWidth += next.fullWidth;
            }
            joined.push_back(piece);
        }
        if (joined.size() == pieces.size())
            break;
        pieces.swap(joined);
    }
}

// The widest line first, then the sum of squares so that the other lines balance too.
struct Cost {
    qreal worst = std::numeric_limits<qreal>::infinity();
    qreal squares = 0;

    bool isFinite() const { return worst != std::numeric_limits<qreal>::infinity(); }
    bool operator<(const Cost& other) const
    {
        if (qAbs(worst - other.worst) > 1e-9)
            return worst < other.worst;
        return squares < other.squares - 1e-9;
    }
};

} // namespace

QStringList breakLines(const QString& target, const QList<qreal>& boxWidths, const TextWidth& width)
{
    const QStringList segments = forcedSegments(target);
    if (segments.isEmpty() || boxWidths.isEmpty())
        return {};
    std::vector<Piece> pieces = piecesOf(segments, width);
    coarsen(pieces);

    const int count = int(pieces.size());
    const int lines = qMax(int(segments.size()), qMin(int(boxWidths.size()), count));
    std::vector<int> segmentStart(count);
    std::vector<qreal> prefix(count + 1, 0);
    for (int i = 0; i < count; ++i) {
        segmentStart[i] =
            i > 0 && pieces[i - 1].segment == pieces[i].segment ? segmentStart[i - 1] : i;
        prefix[i + 1] = prefix[i] + pieces[i].fullWidth;
    }
    const auto ratio = [&](int first, int end, int line) {
        const qreal box = boxWidths.at(qMin(line, int(boxWidths.size()) - 1));
        return (prefix[end - 1] - prefix[first] + pieces[end - 1].inkWidth) / box;
    };

    // best[l][j]: pieces [0, j) in l lines; a line never crosses a forced break.
    std::vector<std::vector<Cost>> best(lines + 1, std::vector<Cost>(count + 1));
    std::vector<std::vector<int>> from(lines + 1, std::vector<int>(count + 1, -1));
    best[0][0] = {0, 0};
    for (int line = 1; line <= lines; ++line) {
        for (int end = line; end <= count; ++end) {
            for (int first = end - 1; first >= qMax(line - 1, segmentStart[end - 1]); --first) {
                const Cost& before = best[line - 1][first];
                if (!before.isFinite())
                    continue;
                const qreal r = ratio(first, end, line - 1);
                const Cost cost{qMax(before.worst, r), before.squares + r * r};
                if (cost < best[line][end]) {
                    best[line][end] = cost;
                    from[line][end] = first;
                }
            }
        }
    }

    QStringList result;
    for (int line = lines, end = count; line > 0; --line) {
        const int first = from[line][end];
        const Piece& head = pieces[first];
        const Piece& tail = pieces[end - 1];
        result.prepend(segments.at(head.segment).mid(head.start, tail.inkEnd - head.start));
        end = first;
    }
    return result;
}

} // namespace Fit
