// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#include "announcer.h"

#include <algorithm>
#include <utility>

#include <QAccessibleInterface>
#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

namespace korvane {

namespace {

// Long enough for any window manager to hand the focus over; announcements
// never wait longer than this for it.
constexpr int kSettleLimitMs = 1000;

// Recent texts kept for tests.
constexpr qsizetype kSentKept = 16;

// Between two sendings: a screen reader drops a second message of one kind
// from the same program that comes within a tenth of a second of the first
// (Orca does).
constexpr int kGapMs = 300;

// A window of the program itself, not a combo box's list or a tooltip.
bool isOwnWindow(const QObject* watched)
{
    const auto* widget = qobject_cast<const QWidget*>(watched);
    return widget != nullptr && widget->isWindow() &&
           (widget->windowType() == Qt::Window || widget->windowType() == Qt::Dialog);
}

}  // namespace

// The status bar: a child of the window for screen readers only. It is not
// listed among the window's children, so nothing walks into it by accident;
// screen readers reach it from its notifications.
class Announcer::Status final : public QAccessibleInterface {
public:
    Status(QWidget& window, const std::deque<Said>& notices) : window_(window), notices_(notices) {}

    bool isValid() const override { return true; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return window_.windowHandle(); }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(&window_); }
    QAccessibleInterface* child(int index) const override;
    int childCount() const override { return static_cast<int>(notices_.size()); }
    int indexOfChild(const QAccessibleInterface* child) const override;
    QString text(QAccessible::Text t) const override
    {
        //: Spoken only: the name of the hidden list from which a screen reader reads the program's news.
        return t == QAccessible::Name ? QCoreApplication::translate("MainWindow", "Announcements") : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override { return {}; }
    QAccessible::Role role() const override { return QAccessible::StatusBar; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.invisible = true;
        return state;
    }

private:
    QWidget& window_;
    const std::deque<Said>& notices_;
};

// One notification: read out by its name when reported shown.
class Announcer::Notice final : public QAccessibleInterface {
public:
    Notice(Status& status, QString text) : status_(status), text_(std::move(text)) {}

    bool isValid() const override { return true; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return status_.window(); }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return &status_; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override { return t == QAccessible::Name ? text_ : QString(); }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override { return {}; }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override { return {}; }

private:
    Status& status_;
    const QString text_;
};

QAccessibleInterface* Announcer::Status::child(int index) const
{
    return index >= 0 && index < childCount() ? notices_[static_cast<std::size_t>(index)].notice : nullptr;
}

int Announcer::Status::indexOfChild(const QAccessibleInterface* child) const
{
    const auto found =
        std::find_if(notices_.begin(), notices_.end(), [child](const Said& said) { return said.notice == child; });
    return found == notices_.end() ? -1 : static_cast<int>(found - notices_.begin());
}

Announcer::Announcer(QWidget& window) : QObject(&window), window_(window), status_(new Status(window, notices_))
{
    statusId_ = QAccessible::registerAccessibleInterface(status_);

    flushSoon_.setSingleShot(true);
    connect(&flushSoon_, &QTimer::timeout, this, &Announcer::flush);
    settleLimit_.setSingleShot(true);
    settleLimit_.setInterval(kSettleLimitMs);
    connect(&settleLimit_, &QTimer::timeout, this, [this] { focusSettled(nullptr); });
    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow* focused) {
        if (focused != nullptr) {
            focusSettled(focused);
        }
    });
    qApp->installEventFilter(this);
}

Announcer::~Announcer()
{
    qApp->removeEventFilter(this);
    for (const Said& said : notices_) {
        QAccessible::deleteAccessibleInterface(said.id);
    }
    QAccessible::deleteAccessibleInterface(statusId_);
}

QAccessibleInterface* Announcer::statusBar() const { return status_; }

void Announcer::announce(const QString& text)
{
    if (text.trimmed().isEmpty()) {
        return;
    }
    pending_ << text;
    flushSoon_.start(0);
}

bool Announcer::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if ((type == QEvent::Show || type == QEvent::Hide || type == QEvent::ZOrderChange) && isOwnWindow(watched)) {
        // A window shown, or one on screen brought to the front (the popup
        // after a second miss), takes the focus and says what it shows.
        const bool comingUp =
            type == QEvent::Show || (type == QEvent::ZOrderChange && !static_cast<QWidget*>(watched)->isActiveWindow());
        if (comingUp) {
            pending_.clear();
        }
        if (comingUp || type == QEvent::Hide) {
            windowChanging_ = true;
            settleLimit_.start();
        }
    }
    return QObject::eventFilter(watched, event);
}

void Announcer::focusSettled(QWindow* /*window*/)
{
    if (!windowChanging_) {
        return;
    }
    windowChanging_ = false;
    settleLimit_.stop();
    // After the events of the focus change itself have gone out.
    flushSoon_.start(0);
}

void Announcer::flush()
{
    if (windowChanging_ || pending_.isEmpty()) {
        return;  // focusSettled() flushes
    }
    if (lastSent_.isValid() && lastSent_.elapsed() < kGapMs) {
        flushSoon_.start(static_cast<int>(kGapMs - lastSent_.elapsed()));
        return;
    }
    send(std::exchange(pending_, {}));
    lastSent_.restart();
}

void Announcer::send(const QStringList& texts)
{
    sent_ << texts;
    while (sent_.size() > kSentKept) {
        sent_.removeFirst();
    }
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    // Texts asked for together ("Correct!" and the next problem) go out as
    // one announcement: a screen reader busy speaking may take in two
    // messages at once however far apart they went, and drop the second.
    QAccessibleAnnouncementEvent announcement(&window_, texts.join(QLatin1Char(' ')));
    QAccessible::updateAccessibility(&announcement);
#else
    // Each text comes in a notification of its own (a fresh accessible id,
    // so a fresh object to the screen reader).
    for (const QString& text : texts) {
        auto* notice = new Notice(*status_, text);
        notices_.push_back(Said{notice, QAccessible::registerAccessibleInterface(notice)});
        QAccessibleEvent shown(notice, QAccessible::ObjectShow);
        QAccessible::updateAccessibility(&shown);
    }
    while (notices_.size() > kKept) {
        QAccessible::deleteAccessibleInterface(notices_.front().id);
        notices_.pop_front();
    }
#endif
}

}  // namespace korvane
