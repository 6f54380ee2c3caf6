// SPDX-License-Identifier: GPL-3.0-or-later
// The tolva-sound module: the sound output over the PulseAudio client library, which
// PipeWire desktops serve as well. All of its work happens on a sound thread of its own,
// around a PulseAudio main loop; the window thread only leaves the newest request in a
// mailbox and wakes that thread through a pipe, and never waits for an answer.
//
// Real desktops change under a running game, so nothing is kept that could go stale:
// - every call is a new stream to no named output, so the server puts it on whatever is the
//   default at that moment (headphones plugged in mid-game are used at the next call);
// - a connection that the server dropped (it crashed, restarted, or is not there) is made
//   anew at the next call; with no server the call is silent and nothing is printed;
// - a server that stops answering only delays the sound thread: calls that pile up meanwhile
//   replace each other, and a call, or the rest of one, that would be spoken too late when the
//   server answers again is not spoken;
// - a stream goes with its call: the server is told to close it once the call is spoken, cut
//   off or too late, and one that is still being set up is closed as soon as the server has it.
#include "announcer/soundoutput.h"
#include "announcer/wavefile.h"

#include <pulse/context.h>
#include <pulse/mainloop.h>
#include <pulse/proplist.h>
#include <pulse/stream.h>
#include <pulse/timeval.h>

#include <chrono>
#include <condition_variable>
#include <fcntl.h>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// A call that the server can only take this long after it was made is dropped: by then the
// player has read it, and spoken late it would run into the next one.
constexpr auto StaleAfter = std::chrono::milliseconds(1500);
// How long closing the game waits for the sound thread to wind up before leaving it behind.
constexpr auto WindUpWait = std::chrono::milliseconds(500);
// Voice files are a second or two long; anything far larger is not a voice file.
constexpr qint64 MaxVoiceBytes = 16 * 1024 * 1024;

// A wave file's sound, read and checked on the sound thread.
struct Sound {
    pa_sample_spec format{};  // the library's name for sample format, rate and channels
    std::vector<char> samples;
    Clock::time_point asked;
};

std::optional<Sound> readSound(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    QByteArray bytes;
    char buffer[65536];
    ssize_t got;
    while ((got = ::read(fd, buffer, sizeof buffer)) > 0 && bytes.size() + got <= MaxVoiceBytes)
        bytes.append(buffer, got);
    ::close(fd);
    // Read again here: the file may have changed since the window thread looked at it.
    const std::optional<WaveLayout> layout = playableWaveLayout(bytes, got == 0 ? bytes.size() : -1);
    if (!layout)
        return std::nullopt;
    Sound sound;
    sound.format.format = layout->bits == 8 ? PA_SAMPLE_U8 : PA_SAMPLE_S16LE;
    sound.format.rate = uint32_t(layout->rate);
    sound.format.channels = uint8_t(layout->channels);
    const char* data = bytes.constData() + layout->dataOffset;
    sound.samples.assign(data, data + layout->dataBytes);
    return sound;
}

// What the two threads share. The window thread holds the lock only to leave a request.
struct Mailbox {
    std::mutex mutex;
    std::optional<std::string> play;  // the newest file asked for; an empty path stops
    Clock::time_point asked;
    bool open = false;
    bool quit = false;
    bool finished = false;  // the sound thread has let go of everything
    std::condition_variable windUp;
    int wake[2] = {-1, -1};  // a byte in the pipe wakes the sound thread

    Mailbox()
    {
        if (::pipe2(wake, O_NONBLOCK | O_CLOEXEC) != 0)
            wake[0] = wake[1] = -1;
    }
    ~Mailbox()
    {
        for (int fd : wake)
            if (fd >= 0)
                ::close(fd);
    }
    void knock()
    {
        const char byte = 1;
        // A full pipe already holds a knock; the sound thread reads the mailbox whole.
        [[maybe_unused]] const ssize_t put = ::write(wake[1], &byte, 1);
    }
};

// What the server is told of the game's sound, so that a desktop can place it among games.
pa_proplist* gameProperties()
{
    pa_proplist* properties = pa_proplist_new();
    pa_proplist_sets(properties, PA_PROP_MEDIA_ROLE, "game");
    return properties;
}

// Lives on the sound thread, which alone touches it and the PulseAudio objects.
class Player {
public:
    explicit Player(std::shared_ptr<Mailbox> mailbox) : m_mailbox(std::move(mailbox)) {}

    void run()
    {
        m_loop = pa_mainloop_new();
        m_api = pa_mainloop_get_api(m_loop);
        pa_io_event* wake = m_api->io_new(m_api, m_mailbox->wake[0], PA_IO_EVENT_INPUT, &Player::woken, this);
        pa_mainloop_run(m_loop, nullptr);
        dropStream();
        dropContext();
        m_api->io_free(wake);
        pa_mainloop_free(m_loop);
    }

private:
    static void woken(pa_mainloop_api*, pa_io_event*, int fd, pa_io_event_flags_t, void* self)
    {
        char bytes[64];
        while (::read(fd, bytes, sizeof bytes) > 0) {
        }
        static_cast<Player*>(self)->takeMail();
    }

    void takeMail()
    {
        std::optional<std::string> play;
        Clock::time_point asked;
        bool open = false;
        {
            std::lock_guard<std::mutex> lock(m_mailbox->mutex);
            if (m_mailbox->quit) {
                m_api->quit(m_api, 0);
                return;
            }
            play.swap(m_mailbox->play);
            asked = m_mailbox->asked;
            std::swap(open, m_mailbox->open);
        }
        if (open)
            reachServer();
        if (!play)
            return;
        // A new call cuts off the voice still speaking, and any call still waiting.
        dropStream();
        m_waiting.reset();
        if (play->empty())
            return;
        m_waiting = readSound(*play);
        if (!m_waiting)
            return;
        m_waiting->asked = asked;
        if (reachServer())
            startStream();
    }

    // True when the connection is ready now; otherwise one is on its way, or there is no server.
    bool reachServer()
    {
        if (m_context) {
            const pa_context_state_t state = pa_context_get_state(m_context);
            if (state == PA_CONTEXT_READY)
                return true;
            if (PA_CONTEXT_IS_GOOD(state))
                return false;  // still connecting: the call waits for it
            dropContext();  // the server went away: a new connection, maybe to a new server
        }
        pa_proplist* properties = gameProperties();
        pa_proplist_sets(properties, PA_PROP_APPLICATION_NAME, "Tolva Bingo");
        pa_proplist_sets(properties, PA_PROP_APPLICATION_ICON_NAME, "tolva-bingo");
        m_context = pa_context_new_with_proplist(m_api, "Tolva Bingo", properties);
        pa_proplist_free(properties);
        if (!m_context)
            return false;
        pa_context_set_state_callback(m_context, &Player::contextChanged, this);
        // No server is started for the game: with none running, the calls are silent.
        if (pa_context_connect(m_context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0)
            dropContext();
        return false;
    }

    static void contextChanged(pa_context* context, void* self)
    {
        auto* player = static_cast<Player*>(self);
        const pa_context_state_t state = pa_context_get_state(context);
        if (state == PA_CONTEXT_READY && player->m_waiting)
            player->startStream();
        else if (!PA_CONTEXT_IS_GOOD(state))
            player->m_waiting.reset();  // no server: this call is silent, the next one tries again
    }

    void startStream()
    {
        std::optional<Sound> sound = std::move(m_waiting);
        m_waiting.reset();
        if (!sound || Clock::now() - sound->asked > StaleAfter)
            return;
        m_sound = std::move(*sound);
        m_written = 0;
        pa_proplist* properties = gameProperties();
        m_stream = pa_stream_new_with_proplist(m_context, "Call", &m_sound.format, nullptr, properties);
        pa_proplist_free(properties);
        if (!m_stream)
            return;
        pa_stream_set_state_callback(m_stream, &Player::streamChanged, this);
        pa_stream_set_write_callback(m_stream, &Player::writable, this);
        // A short buffer: the voice begins as soon as the first tenth of a second is there.
        pa_buffer_attr buffer;
        buffer.maxlength = uint32_t(-1);
        buffer.tlength = uint32_t(pa_usec_to_bytes(100 * PA_USEC_PER_MSEC, &m_sound.format));
        buffer.prebuf = uint32_t(-1);
        buffer.minreq = uint32_t(-1);
        buffer.fragsize = uint32_t(-1);
        // No output named: the server's default, as it is now.
        if (pa_stream_connect_playback(m_stream, nullptr, &buffer, PA_STREAM_ADJUST_LATENCY, nullptr, nullptr) < 0)
            dropStream();
    }

    // Whether the sound from here on would be heard too late: the server may have stalled
    // before the stream was ready, or halfway through the voice.
    bool tooLate() const
    {
        const auto played = std::chrono::microseconds(pa_bytes_to_usec(m_written, &m_sound.format));
        return Clock::now() - m_sound.asked - played > StaleAfter;
    }

    static void streamChanged(pa_stream* stream, void* self)
    {
        auto* player = static_cast<Player*>(self);
        if (pa_stream_get_state(stream) == PA_STREAM_READY && player->tooLate())
            player->dropStream();
    }

    static void writable(pa_stream* stream, size_t size, void* self)
    {
        auto* player = static_cast<Player*>(self);
        if (player->tooLate()) {
            player->dropStream();
            return;
        }
        const std::vector<char>& samples = player->m_sound.samples;
        const size_t left = samples.size() - player->m_written;
        const size_t now = std::min(size, left);
        if (now > 0 && pa_stream_write(stream, samples.data() + player->m_written, now, nullptr, 0, PA_SEEK_RELATIVE) == 0)
            player->m_written += now;
        if (now == left && now > 0) {
            // All handed over: the stream goes once the server has played it.
            pa_stream_set_write_callback(stream, nullptr, nullptr);
            if (pa_operation* drain = pa_stream_drain(stream, &Player::drained, self))
                pa_operation_unref(drain);
        }
    }

    static void drained(pa_stream* stream, int, void* self)
    {
        auto* player = static_cast<Player*>(self);
        if (stream == player->m_stream)
            player->dropStream();
    }

    void dropStream()
    {
        if (!m_stream)
            return;
        pa_stream_set_write_callback(m_stream, nullptr, nullptr);
        pa_stream_set_state_callback(m_stream, &Player::closeOnceCreated, nullptr);
        // The server cannot be told to close a stream it has not finished creating: that one
        // keeps our reference until it has.
        if (pa_stream_get_state(m_stream) != PA_STREAM_CREATING)
            closeOnceCreated(m_stream, nullptr);
        m_stream = nullptr;
    }

    static void closeOnceCreated(pa_stream* stream, void*)
    {
        if (pa_stream_get_state(stream) == PA_STREAM_CREATING)
            return;
        pa_stream_set_state_callback(stream, nullptr, nullptr);
        if (pa_stream_get_state(stream) == PA_STREAM_READY)
            pa_stream_disconnect(stream);
        pa_stream_unref(stream);
    }

    void dropContext()
    {
        if (!m_context)
            return;
        pa_context_set_state_callback(m_context, nullptr, nullptr);
        if (PA_CONTEXT_IS_GOOD(pa_context_get_state(m_context)))
            pa_context_disconnect(m_context);
        pa_context_unref(m_context);
        m_context = nullptr;
    }

    std::shared_ptr<Mailbox> m_mailbox;
    pa_mainloop* m_loop = nullptr;
    pa_mainloop_api* m_api = nullptr;
    pa_context* m_context = nullptr;
    pa_stream* m_stream = nullptr;
    std::optional<Sound> m_waiting;  // read, waiting for the connection
    Sound m_sound;                   // the one being handed to the stream
    size_t m_written = 0;
};

class PulseOutput : public SoundOutput {
public:
    PulseOutput()
    {
        if (m_mailbox->wake[0] < 0)
            return;  // no pipe, no sound thread: silent
        m_thread = std::thread([mailbox = m_mailbox] {
            Player(mailbox).run();
            std::lock_guard<std::mutex> lock(mailbox->mutex);
            mailbox->finished = true;
            mailbox->windUp.notify_all();
        });
    }

    ~PulseOutput() override
    {
        if (!m_thread.joinable())
            return;
        std::unique_lock<std::mutex> lock(m_mailbox->mutex);
        m_mailbox->quit = true;
        m_mailbox->knock();
        // The sound thread owns a share of the mailbox: left behind, it finds what it needs.
        if (m_mailbox->windUp.wait_for(lock, WindUpWait, [this] { return m_mailbox->finished; })) {
            lock.unlock();
            m_thread.join();
        } else {
            m_thread.detach();
        }
    }

    void open() override
    {
        std::lock_guard<std::mutex> lock(m_mailbox->mutex);
        m_mailbox->open = true;
        m_mailbox->knock();
    }

    void play(const QString& path) override { leave(path.toStdString()); }

    void stop() override { leave({}); }

private:
    void leave(std::string path)
    {
        std::lock_guard<std::mutex> lock(m_mailbox->mutex);
        m_mailbox->play = std::move(path);
        m_mailbox->asked = Clock::now();
        m_mailbox->knock();
    }

    std::shared_ptr<Mailbox> m_mailbox = std::make_shared<Mailbox>();
    std::thread m_thread;
};

}  // namespace

extern "C" Q_DECL_EXPORT SoundOutput* tolvaCreateSoundOutput()
{
    return new PulseOutput;
}
