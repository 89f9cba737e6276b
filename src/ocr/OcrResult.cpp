#include "OcrResult.h"

#include <QStringList>
#include <algorithm>

QString OcrResult::text(const QString& separator) const
{
    QStringList texts;
    texts.reserve(lines.size());
    for (const OcrLine& line : lines)
        texts.append(line.text);
    return texts.join(separator);
}

double OcrResult::meanConfidence() const
{
    double weighted = 0;
    qsizetype characters = 0;
    for (const OcrLine& line : lines) {
        weighted += line.confidence * double(line.text.size());
        characters += line.text.size();
    }
    return characters > 0 ? weighted / double(characters) : 0;
}

double OcrResult::lowestConfidence() const
{
    if (lines.isEmpty())
        return 0;
    return std::min_element(
               lines.begin(), lines.end(),
               [](const OcrLine& a, const OcrLine& b) { return a.confidence < b.confidence; })
        ->confidence;
}
