#pragma once

#include "link/LinkLayer.h"
#include "link/LinkSettings.h"
#include "link/Progress.h"
#include "link/Transport.h"

#include <QByteArray>
#include <QList>
#include <QStringList>
#include <functional>
#include <memory>

namespace norvane::test {

/// An in-memory printer connection: records what is written, hands out queued input, fails on demand.
/// Shared by every transport the opener makes, so a test looks at it after the link is closed.
struct ScriptedDevice
{
    QByteArray written;
    QList<QByteArray> chunks;
    QByteArray input; ///< bytes waiting to be fetched
    int opens = 0;
    int fetches = 0;
    int emptyFetches = 0; ///< fetches that found nothing: each one waited its whole slice
    /// The device's clock: it moves only when a fetch finds nothing, by the time that fetch was allowed to wait.
    std::chrono::milliseconds clock{0};
    bool refuseOpen = false;
    bool ended = false; ///< the connection is gone: fetches end at once
    int failChunk = -1; ///< the index of the chunk whose write fails, counted over the device's life
    /// Called with every chunk; what it returns is queued as input (a printer answering).
    std::function<QByteArray(QByteArrayView)> respond;
    /// Called at every fetch; what it returns arrives then (a printer answering after a while).
    std::function<QByteArray()> arrive;
};

class ScriptedTransport : public Transport
{
public:
    explicit ScriptedTransport(std::shared_ptr<ScriptedDevice> device) : m_device(std::move(device)) {}

    bool writeChunk(QByteArrayView chunk, WaitPacing& pacing) override;
    FetchResult fetch(std::uint8_t* into, std::size_t capacity, std::chrono::milliseconds timeout) override;
    void purgeInput() override { m_device->input.clear(); }
    std::chrono::steady_clock::time_point now() const override
    {
        return std::chrono::steady_clock::time_point(m_device->clock);
    }

private:
    std::shared_ptr<ScriptedDevice> m_device;
};

class ScriptedOpener : public TransportOpener
{
public:
    explicit ScriptedOpener(std::shared_ptr<ScriptedDevice> device) : m_device(std::move(device)) {}
    std::unique_ptr<Transport> open(InterfaceKind kind, const LinkSettings& settings, const LinkTimeouts& timeouts,
                                    WaitPacing& pacing) override;

private:
    std::shared_ptr<ScriptedDevice> m_device;
};

/// Records what the byte layer asks of the progress display, one text per call (event passes are counted).
class ProgressRecorder : public ProgressView
{
public:
    void showBar() override { calls << QStringLiteral("show"); }
    void setBarPosition(int percent) override { calls << QStringLiteral("bar %1").arg(percent); }
    void hideBar() override { calls << QStringLiteral("hide"); }
    void passEvents() override
    {
        ++eventPasses;
        if (eventPasses == cancelAtEventPass)
            requestCancel();
    }
    void showWaiting() override { calls << QStringLiteral("waiting"); }
    void hideWaiting() override { calls << QStringLiteral("waiting over"); }

    /// What the user's Cancel does.
    void cancel() { requestCancel(); }

    QStringList calls;
    int eventPasses = 0;
    /// The event pass during which the user asks to stop waiting; none when 0.
    int cancelAtEventPass = 0;
};

/// A link layer whose every link goes to one scripted device, with progress recorded.
struct ScriptedLinks
{
    ScriptedLinks() { progress.setView(&recorder); }

    LinkSettings settings;
    ProgressRecorder recorder;
    Progress progress;
    std::shared_ptr<ScriptedDevice> device = std::make_shared<ScriptedDevice>();
    LinkLayer links{settings, progress, std::make_unique<ScriptedOpener>(device)};
};

} // namespace norvane::test
