#include "PictureDecoder.h"

#include <QFutureWatcher>
#include <QtConcurrent/QtConcurrentRun>

using PictureLoader::DecodedPicture;
using PictureLoader::DecodeRequest;
using Result = std::optional<DecodedPicture>;

PictureDecoder::PictureDecoder(QObject* parent)
    : QObject(parent), m_decode(&PictureLoader::LoadPicture)
{
    // Two: a decode that ignores its cancellation (a hung network file) leaves
    // the other thread for the newest request.
    m_pool.setMaxThreadCount(2);
}

PictureDecoder::~PictureDecoder()
{
    if (m_cancelNewest)
        *m_cancelNewest = true;
    m_pool.waitForDone();
}

void PictureDecoder::setDecodeFunction(DecodeFunction decode)
{
    m_decode = std::move(decode);
}

void PictureDecoder::request(const DecodeRequest& request)
{
    if (m_cancelNewest)
        *m_cancelNewest = true;
    m_cancelNewest = std::make_shared<std::atomic_bool>(false);
    const quint64 ticket = ++m_newest;
    m_waiting = true;
    ++m_running;
    auto* watcher = new QFutureWatcher<Result>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, ticket] {
        --m_running;
        // Taken, so that no copy is left for the watcher to free here.
        Result result = watcher->future().takeResult();
        watcher->deleteLater();
        if (ticket != m_newest) {
            if (result)
                dispose(std::move(result->image));
            return;
        }
        m_waiting = false;
        Q_EMIT decoded(result);
    });
    watcher->setFuture(QtConcurrent::run(
        &m_pool, [decode = m_decode, request, cancelled = m_cancelNewest]() -> Result {
            return decode(request, *cancelled);
        }));
}

void PictureDecoder::dispose(QImage picture)
{
    if (picture.isNull())
        return;
    m_pool.start([picture = std::move(picture)]() mutable { picture = QImage(); });
}
