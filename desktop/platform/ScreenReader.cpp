#include "desktop/platform/ScreenReader.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QStringList>
#include <QTimer>
#include <array>

namespace zelvani {

namespace {

// A notification with its own line. A screen reader reads it after the event, so each line
// keeps an object of its own until several newer ones have been said.
class Notice : public QAccessibleInterface {
 public:
  bool isValid() const override { return true; }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return nullptr; }
  QAccessibleInterface* focusChild() const override { return nullptr; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* parent() const override {
    return QAccessible::queryAccessibleInterface(QCoreApplication::instance());
  }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QString text(QAccessible::Text t) const override {
    return t == QAccessible::Name ? text_ : QString();
  }
  void setText(QAccessible::Text t, const QString& text) override {
    if (t == QAccessible::Name)
      text_ = text;
  }
  QRect rect() const override { return {}; }
  QAccessible::Role role() const override { return QAccessible::Notification; }
  QAccessible::State state() const override { return {}; }

 private:
  QString text_;
};

struct Waiting {
  QStringList Lines;
  // Said after the lines: what the player is to do now.
  QString Status;
  bool Scheduled = false;
  std::array<QAccessible::Id, 8> Notices{};
  std::size_t Next = 0;
};

QAccessible::UpdateHandler standIn = nullptr;

Waiting& Queue() {
  static Waiting waiting;
  return waiting;
}

void Say(const QString& text) {
  Waiting& queue = Queue();
  QAccessible::Id& id = queue.Notices[queue.Next];
  queue.Next = (queue.Next + 1) % queue.Notices.size();
  if (!id)
    id = QAccessible::registerAccessibleInterface(new Notice);
  QAccessibleInterface* notice = QAccessible::accessibleInterface(id);
  notice->setText(QAccessible::Name, text);
  QAccessibleEvent shown(notice, QAccessible::ObjectShow);
  TellScreenReader(&shown);
}

}  // namespace

void Announce(const QString& text, AnnouncementKind kind) {
  if (text.isEmpty() || !ScreenReaderListens())
    return;
  Waiting& queue = Queue();
  if (kind == AnnouncementKind::Status)
    queue.Status = text;
  else
    queue.Lines << text;
  if (queue.Scheduled)
    return;
  queue.Scheduled = true;
  QTimer::singleShot(0, QCoreApplication::instance(), &FlushAnnouncements);
}

void FlushAnnouncements() {
  Waiting& queue = Queue();
  queue.Scheduled = false;
  if (!queue.Status.isEmpty())
    queue.Lines << queue.Status;
  if (queue.Lines.isEmpty())
    return;
  const QString text = queue.Lines.join(QLatin1Char(' '));
  queue.Lines.clear();
  queue.Status.clear();
  Say(text);
}

bool ScreenReaderListens() {
  return standIn || QAccessible::isActive();
}

void TellScreenReader(QAccessibleEvent* event) {
  if (standIn)
    standIn(event);
  else
    QAccessible::updateAccessibility(event);
}

void ListenInScreenReadersPlace(QAccessible::UpdateHandler listener) {
  standIn = listener;
}

}  // namespace zelvani
