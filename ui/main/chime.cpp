#include "chime.h"

#include <QSoundEffect>
#include <QTimer>

namespace korvane {

namespace {
// Long enough for the main window's first frame, short enough to be ready
// before any pupil can have answered a problem.
constexpr int kLoadDelayMs = 300;
}  // namespace

Chime::Chime(const QUrl& source, QObject* parent) : QObject(parent), source_(source)
{
    QTimer::singleShot(kLoadDelayMs, this, [this] { load(); });
}

void Chime::load()
{
    if (effect_ != nullptr) {
        return;
    }
    effect_ = new QSoundEffect(this);
    effect_->setSource(source_);
}

void Chime::play()
{
    ++requests_;
    load();
    effect_->stop();
    effect_->play();
}

}  // namespace korvane
