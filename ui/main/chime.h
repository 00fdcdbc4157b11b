#pragma once
// The answer chime. Each request stops the sound and plays it from the
// start, so quick right answers each chime. Without an audio device the
// effect stays silent; nothing waits for it and nothing is reported.

#include <QObject>
#include <QUrl>

class QSoundEffect;

namespace korvane {

class Chime : public QObject {
public:
    explicit Chime(const QUrl& source, QObject* parent = nullptr);

    void play();
    // How many times the chime has been asked for.
    int requests() const { return requests_; }

private:
    // The sound backend takes a few milliseconds and megabytes to start, so
    // it starts once the window is up rather than before its first frame.
    void load();

    QUrl source_;
    QSoundEffect* effect_ = nullptr;  // child of this, made by load()
    int requests_ = 0;
};

}  // namespace korvane
