// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The program's two sounds, played through the desktop's event-sound
// library (libcanberra), so that they reach the sound server on X11 and
// Wayland alike: the answer chime, a wave file installed with the program,
// and the bell of a miss, the sound theme's window-system bell with the
// theme's fallbacks. Nothing waits for a sound and nothing is reported to
// the pupil: without a sound server the chime stays silent and the bell
// falls back to the toolkit's beep.

#include <memory>

#include <QObject>
#include <QString>

struct ca_context;

namespace korvane {

class Sounds : public QObject {
public:
    // chimeFile: the wave file of the chime; empty when none was found.
    explicit Sounds(QString chimeFile, QObject* parent = nullptr);
    ~Sounds() override;

    // Loads the sound library soon, once the events at hand are handled.
    void prepare();

    // Stops the chime if it is still sounding and plays it from the start,
    // so quick right answers each chime.
    void chime();
    void bell();

    // How many times each sound has been asked for, and how many bells
    // went to the toolkit's beep because the library could not play them.
    int chimes() const { return chimes_; }
    int bells() const { return bells_; }
    int toolkitBeeps() const { return toolkitBeeps_; }

    // The installed chime: beside the program in the build tree, else in the
    // data directory of the installation the program runs from, else in the
    // system's data directories. Empty when there is none.
    static QString findChimeFile();

private:
    struct ContextDeleter {
        void operator()(ca_context* context) const;
    };

    // The library loads its sound driver and connects to the sound server:
    // a few milliseconds and 1.5 MB that the first frame and the settings do
    // not need, so it opens when asked to prepare, or at the first sound.
    bool open();

    QString chimeFile_;
    std::unique_ptr<ca_context, ContextDeleter> context_;
    bool openTried_ = false;
    int chimes_ = 0;
    int bells_ = 0;
    int toolkitBeeps_ = 0;
};

}  // namespace korvane
