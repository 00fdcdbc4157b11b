#include "chime.h"

#include <QSoundEffect>

namespace korvane {

Chime::Chime(const QUrl& source, QObject* parent) : QObject(parent), effect_(new QSoundEffect(this))
{
    effect_->setSource(source);
}

void Chime::play()
{
    ++requests_;
    effect_->stop();
    effect_->play();
}

}  // namespace korvane
