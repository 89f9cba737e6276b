#include "CommandLine.h"
#include "CommandSupport.h"
#include "Functions.h"
#include "ImageListModel.h"
#include "OcrApply.h"
#include "OcrEngine.h"
#include "OcrLanguages.h"
#include "RecognitionPool.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <cstdio>

namespace CommandLine {

// Recognise Text without a window: the rows of LIST read off their images,
// their Source Texts filled, and the rows written out.
int ocr(const QStringList& arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption root = CommandSupport::addListArguments(
        parser, QStringLiteral("ocr"),
        QCoreApplication::translate(
            "CommandLine",
            "Reads the text off the images of LIST's rows into their Source Texts."));
    const QCommandLineOption languages(
        {QStringLiteral("l"), QStringLiteral("languages")},
        QCoreApplication::translate("CommandLine", "Recognition languages, as eng+deu "
                                                   "(default: the window's choice)."),
        QStringLiteral("LANGS"));
    const QCommandLineOption output(
        {QStringLiteral("o"), QStringLiteral("output")},
        QCoreApplication::translate("CommandLine", "Where to write the rows (default: stdout), "
                                                   "in the format its extension names."),
        QStringLiteral("FILE"));
    const QCommandLineOption replace(
        QStringLiteral("replace"),
        QCoreApplication::translate("CommandLine", "Replace Source Texts that are not empty."));
    const QCommandLineOption perLine(
        QStringLiteral("one-row-per-line"),
        QCoreApplication::translate("CommandLine", "Give each recognised line a row."));
    parser.addOptions({languages, output, replace, perLine});
    if (const std::optional<int> done = CommandSupport::parse(parser, arguments, 1))
        return *done;
    if (!parser.isSet(root))
        return CommandSupport::fail(
            Usage, QCoreApplication::translate("CommandLine", "ocr needs --root DIR.\n") +
                       parser.helpText());
    const QString chosen =
        parser.isSet(languages) ? parser.value(languages) : OcrLanguages::chosen();
    if (const QString why = OcrEngine::unavailableReason(chosen); !why.isEmpty())
        return CommandSupport::fail(BadInput, why);

    const QString listPath = parser.positionalArguments().at(1);
    std::vector<ImageListRow> rows;
    int exitCode = Success;
    const std::optional<Exchange::Format> format =
        CommandSupport::readList(listPath, rows, &exitCode);
    if (!format)
        return exitCode;

    const QString folder = Functions::WithTrailingSeparator(parser.value(root));
    QList<OcrJob> jobs;
    for (size_t i = 0; i < rows.size(); ++i)
        jobs.append({static_cast<int>(i), folder + rows[i].name});
    RecognitionPool pool;
    pool.setLanguages(chosen);
    QMap<int, OcrResult> results;
    QString summary;
    QEventLoop loop;
    QObject::connect(&pool, &RecognitionPool::resultReady,
                     [&results](int row, const OcrResult& result) { results.insert(row, result); });
    QObject::connect(&pool, &RecognitionPool::finished, [&](const OcrSummary& done) {
        summary = done.message();
        loop.quit();
    });
    if (!pool.recognise(jobs))
        return CommandSupport::fail(
            BadInput, QCoreApplication::translate("CommandLine", "recognition could not start"));
    loop.exec();

    ImageListModel model;
    model.setRows(std::move(rows));
    OcrApplyOptions options;
    options.replaceExisting = parser.isSet(replace);
    options.oneRowPerLine = parser.isSet(perLine);
    OcrApply::applyTo(model, results, options);
    std::fprintf(stderr, "vemarill: %s\n", qPrintable(summary));
    const QString target = parser.value(output);
    Exchange::Format outFormat = target.isEmpty() ? *format : Exchange::formatForFile(target);
    if (outFormat == Exchange::Format::Unknown)
        outFormat = Exchange::Format::ListFile;
    return CommandSupport::writeRows(target, outFormat, model.rows(), {});
}

} // namespace CommandLine
