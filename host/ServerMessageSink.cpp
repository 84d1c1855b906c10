#include "ServerMessageSink.h"

#include <QCoreApplication>
#include <QPointer>

#include <memory>

namespace ServerMessageSink {

namespace {

// Shared by the handler and every message on its way; receiver is read on the GUI thread only.
struct Sink
{
    QPointer<QObject> receiver;
    std::function<void(const Message&)> show;
};

} // namespace

std::function<void(const Message&)> handlerFor(QObject* receiver, std::function<void(const Message&)> show)
{
    const auto sink = std::make_shared<const Sink>(Sink{receiver, std::move(show)});
    return [sink](const Message& message) {
        QCoreApplication* app = QCoreApplication::instance();
        if (!app)
            return;
        QMetaObject::invokeMethod(
            app,
            [sink, message] {
                if (sink->receiver)
                    sink->show(message);
            },
            Qt::QueuedConnection);
    };
}

} // namespace ServerMessageSink
