#pragma once

#include "PictureLoader.h"

#include <QObject>
#include <QThreadPool>
#include <functional>
#include <memory>

// Decodes pictures off the GUI thread, newest request wins: a new request
// cancels the one before it, whose result, should it still come, is dropped.
class PictureDecoder : public QObject {
    Q_OBJECT
public:
    // Runs on a worker thread; it should give up soon after `cancelled` is set.
    using DecodeFunction = std::function<std::optional<PictureLoader::DecodedPicture>(
        const PictureLoader::DecodeRequest& request, const std::atomic_bool& cancelled)>;

    explicit PictureDecoder(QObject* parent = nullptr);
    // Cancels whatever still runs and waits for it.
    ~PictureDecoder() override;

    // Takes effect from the next request.
    void setDecodeFunction(DecodeFunction decode);
    void request(const PictureLoader::DecodeRequest& request);
    // Lets go of a picture on a worker thread: unmapping a large one takes
    // the GUI thread milliseconds.
    void dispose(QImage picture);
    // Whether the newest request is still waiting for its result.
    bool isWaiting() const { return m_waiting; }
    // Whether any decode, cancelled ones included, has yet to hand back.
    bool isBusy() const { return m_running > 0; }

Q_SIGNALS:
    // The newest request's result; none for a failed load.
    void decoded(const std::optional<PictureLoader::DecodedPicture>& picture);

private:
    QThreadPool m_pool;
    DecodeFunction m_decode;
    std::shared_ptr<std::atomic_bool> m_cancelNewest;
    quint64 m_newest = 0;
    int m_running = 0;
    bool m_waiting = false;
};
