// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#include "chime.h"

#include <utility>

#include <canberra.h>

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTimer>

namespace korvane {

namespace {

// Play ids: cancelling the chime's id stops only the chime.
constexpr uint32_t kChimeId = 1;
constexpr uint32_t kBellId = 2;

constexpr const char* kChimeName = "chime.wav";

}  // namespace

void Sounds::ContextDeleter::operator()(ca_context* context) const { ca_context_destroy(context); }

Sounds::Sounds(QString chimeFile, QObject* parent) : QObject(parent), chimeFile_(std::move(chimeFile)) {}

void Sounds::prepare()
{
    QTimer::singleShot(0, this, [this] { open(); });
}

Sounds::~Sounds() = default;

bool Sounds::open()
{
    if (openTried_) {
        return context_ != nullptr;
    }
    openTried_ = true;
    ca_context* raw = nullptr;
    if (ca_context_create(&raw) != CA_SUCCESS) {
        return false;
    }
    std::unique_ptr<ca_context, ContextDeleter> context(raw);
    // The sound server shows these next to the program's streams.
    ca_context_change_props(raw, CA_PROP_APPLICATION_NAME, "Korvane", CA_PROP_APPLICATION_ID, "org.korvane.Korvane",
                            CA_PROP_APPLICATION_ICON_NAME, "korvane", nullptr);
    if (ca_context_open(raw) != CA_SUCCESS) {
        return false;
    }
    context_ = std::move(context);
    return true;
}

void Sounds::chime()
{
    ++chimes_;
    if (chimeFile_.isEmpty() || !open()) {
        return;
    }
    const QByteArray file = QFile::encodeName(chimeFile_);
    ca_context_cancel(context_.get(), kChimeId);
    ca_context_play(context_.get(), kChimeId, CA_PROP_MEDIA_FILENAME, file.constData(), CA_PROP_MEDIA_ROLE, "event",
                    CA_PROP_EVENT_DESCRIPTION, "Right answer", nullptr);
}

void Sounds::bell()
{
    ++bells_;
    // The library finds the theme's sound before it returns, so a missing
    // theme or server shows here; the sound itself plays on its own thread.
    if (open() && ca_context_play(context_.get(), kBellId, CA_PROP_EVENT_ID, "bell-window-system", CA_PROP_MEDIA_ROLE,
                                  "event", CA_PROP_EVENT_DESCRIPTION, "Wrong answer", CA_PROP_CANBERRA_CACHE_CONTROL,
                                  "permanent", nullptr) == CA_SUCCESS) {
        return;
    }
    ++toolkitBeeps_;
    QApplication::beep();
}

QString Sounds::findChimeFile()
{
    const QDir programDir(QCoreApplication::applicationDirPath());
    QStringList candidates{programDir.filePath(QString::fromLatin1(kChimeName)),
                           programDir.filePath(QStringLiteral("../share/korvane/") + QString::fromLatin1(kChimeName))};
    candidates += QStandardPaths::locateAll(QStandardPaths::GenericDataLocation,
                                            QStringLiteral("korvane/") + QString::fromLatin1(kChimeName));
    for (const QString& candidate : candidates) {
        if (QFileInfo(candidate).isFile()) {
            return QDir::cleanPath(candidate);
        }
    }
    return {};
}

}  // namespace korvane
