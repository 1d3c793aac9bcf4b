// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "QtSound.h"

#include <canberra.h>
#include <dlfcn.h>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

#include <QApplication>
#include <QMetaObject>

namespace bellmora {

namespace {

// ALSA reports a missing sound card on stderr, line after line; the fallback bell says
// all the user needs to know. libasound is the one canberra's ALSA backend loads, so its
// error handler is process-wide; it is reached through dlopen because the program does
// not otherwise need ALSA.
void QuietAlsaErrors(const char*, int, const char*, int, const char*, ...) {}

void SilenceAlsa() {
    void* alsa = dlopen("libasound.so.2", RTLD_NOW | RTLD_LOCAL);
    if (!alsa) return;  // no ALSA, nothing to silence; the library stays loaded on success
    using SetHandler = int (*)(void (*)(const char*, int, const char*, int, const char*, ...));
    auto set = reinterpret_cast<SetHandler>(dlsym(alsa, "snd_lib_error_set_handler"));
    if (set) set(QuietAlsaErrors);
}

// libcanberra is opened with the first beep, not linked: linked, it and the libraries it
// brings (Vorbis, Ogg, tdb, ltdl) were loaded and relocated at every start. It stays
// loaded once opened.
struct Canberra {
    decltype(&ca_context_create) create = nullptr;
    decltype(&ca_context_change_props) changeProps = nullptr;
    decltype(&ca_context_play) play = nullptr;
    decltype(&ca_context_destroy) destroy = nullptr;
};

template <class Function>
bool Resolve(void* library, const char* name, Function& function) {
    function = reinterpret_cast<Function>(dlsym(library, name));
    return function != nullptr;
}

std::optional<Canberra> OpenCanberra() {
    void* library = dlopen("libcanberra.so.0", RTLD_NOW | RTLD_LOCAL);
    if (!library) return std::nullopt;
    Canberra ca;
    if (!Resolve(library, "ca_context_create", ca.create) ||
        !Resolve(library, "ca_context_change_props", ca.changeProps) ||
        !Resolve(library, "ca_context_play", ca.play) ||
        !Resolve(library, "ca_context_destroy", ca.destroy))
        return std::nullopt;
    return ca;
}

void DisplayBell() {
    QMetaObject::invokeMethod(
        qApp, [] { QApplication::beep(); }, Qt::QueuedConnection);
}

}  // namespace

class QtSound::Player {
public:
    Player() : thread_([this] { Run(); }) {}

    ~Player() {
        {
            std::lock_guard lock(mutex_);
            stopping_ = true;
        }
        wake_.notify_one();
        thread_.join();
    }

    bool Failed() const { return failed_.load(); }

    // Beeps that come while one is still being played merge into the next one.
    void Request() {
        {
            std::lock_guard lock(mutex_);
            pending_ = true;
        }
        wake_.notify_one();
    }

private:
    void Run() {
        SilenceAlsa();
        const std::optional<Canberra> ca = OpenCanberra();
        ca_context* context = nullptr;
        if (!ca || ca->create(&context) != CA_SUCCESS)
            context = nullptr;
        else
            ca->changeProps(context, CA_PROP_APPLICATION_NAME, "Bellmora", nullptr);
        while (WaitForRequest()) {
            if (!context || !Play(*ca, context)) {
                failed_ = true;
                DisplayBell();
            }
            if (failed_) break;
        }
        if (context) ca->destroy(context);
        DrainAfterFailure();
    }

    bool WaitForRequest() {
        std::unique_lock lock(mutex_);
        wake_.wait(lock, [this] { return pending_ || stopping_; });
        pending_ = false;
        return !stopping_;
    }

    static bool Play(const Canberra& ca, ca_context* context) {
        return ca.play(context, 0, CA_PROP_EVENT_ID, "bell", nullptr) == CA_SUCCESS;
    }

    // After a failure Beep rings the display's bell itself; only a request made before it
    // saw the failure can still be waiting here.
    void DrainAfterFailure() {
        while (WaitForRequest()) DisplayBell();
    }

    std::mutex mutex_;
    std::condition_variable wake_;
    bool pending_ = false;
    bool stopping_ = false;
    std::atomic<bool> failed_{false};
    std::thread thread_;
};

QtSound::QtSound() = default;

QtSound::~QtSound() = default;

void QtSound::Beep() {
    if (!player_) player_ = std::make_unique<Player>();
    if (player_->Failed())
        QApplication::beep();
    else
        player_->Request();
}

}  // namespace bellmora
