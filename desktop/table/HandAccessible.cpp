#include "desktop/table/HandAccessible.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <QTimer>
#include <array>

#include "desktop/platform/QtText.h"
#include "desktop/platform/ScreenReader.h"
#include "desktop/table/SeatWindow.h"
#include "logic/cards/CardNames.h"
#include "logic/cards/Cards.h"

namespace zelvani {

namespace {

// The hand's accessible name.
QString HandListName() {
  return QCoreApplication::translate("HandAccessible", "手札");
}

// The cards are not widgets of their own: the list and its items exist only for the
// screen reader, and the window's interface owns them, as Qt's item views own theirs.
// In an open hand each card is an object of its own wherever it lies, so that the cursor
// coming to another card is a move to another object, which a screen reader reads. A
// face-down hand has an object for each place: its objects tell nothing of its cards.
class CardItem : public QAccessibleInterface {
 public:
  // `key` is the card's code in an open hand, kDeckSize + the slot in a face-down one.
  CardItem(SeatWindow* window, QAccessibleInterface* list, int key)
      : window_(window), list_(list), key_(key) {}

  // Where the card lies, -1 once it has left the hand (or the hand was turned over).
  int Slot() const {
    if (!window_)
      return -1;
    const HandRecord& hand = window_->Hand();
    if (key_ >= kDeckSize) {
      const int slot = key_ - kDeckSize;
      return !hand.Open && slot < hand.Count ? slot : -1;
    }
    for (int i = 0; hand.Open && i < hand.Count; ++i)
      if (hand.Cards[i] == key_)
        return i;
    return -1;
  }

  // A card that has left the hand stays a valid object, only an invisible one without a name:
  // a screen reader may still ask after it, and a question about an object found invalid
  // is logged as an error.
  bool isValid() const override { return window_; }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return window_ ? window_->windowHandle() : nullptr; }
  QAccessibleInterface* focusChild() const override { return nullptr; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* parent() const override { return list_; }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  void setText(QAccessible::Text, const QString&) override {}
  QAccessible::Role role() const override { return QAccessible::ListItem; }

  QString text(QAccessible::Text t) const override {
    const int slot = Slot();
    if (t != QAccessible::Name || slot < 0)
      return {};
    const HandRecord& hand = window_->Hand();
    if (!hand.Open)
      return QCoreApplication::translate("HandAccessible", "裏向きのカード");
    QString name = ToQString(CardText(hand.Cards[slot]));
    if (IsHuman() && hand.Selected[slot])
      name = QCoreApplication::translate("HandAccessible", "%1、選択中").arg(name);
    return name;
  }

  QRect rect() const override {
    const int slot = Slot();
    if (slot < 0)
      return {};
    const QRect r = window_->CardRect(slot);
    return {window_->mapToGlobal(r.topLeft()), r.size()};
  }

  QAccessible::State state() const override {
    QAccessible::State s;
    const int slot = Slot();
    if (slot < 0) {
      s.invalid = true;
      s.invisible = true;
      return s;
    }
    if (IsHuman()) {
      s.selectable = true;
      s.selected = window_->Hand().Selected[slot] != 0;
      s.focusable = true;
      s.focused = window_->isActiveWindow() && window_->CursorSlot() == slot;
    }
    return s;
  }

 private:
  bool IsHuman() const { return window_->Seat() == kHumanSeat; }

  QPointer<SeatWindow> window_;
  QAccessibleInterface* list_;
  const int key_;
};

class HandList : public QAccessibleInterface {
 public:
  HandList(SeatWindow* window, QAccessibleInterface* parent) : window_(window), parent_(parent) {}
  ~HandList() override {
    for (QAccessible::Id id : cards_)
      if (id)
        QAccessible::deleteAccessibleInterface(id);
  }

  bool isValid() const override { return window_; }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return window_ ? window_->windowHandle() : nullptr; }
  QAccessibleInterface* parent() const override { return parent_; }
  int childCount() const override { return window_ ? window_->Hand().Count : 0; }
  void setText(QAccessible::Text, const QString&) override {}
  QAccessible::Role role() const override { return QAccessible::List; }
  QAccessible::State state() const override { return {}; }

  QAccessibleInterface* child(int index) const override {
    if (index < 0 || index >= childCount())
      return nullptr;
    const HandRecord& hand = window_->Hand();
    const int key = hand.Open ? hand.Cards[index] : kDeckSize + index;
    if (key < 0 || key >= static_cast<int>(cards_.size()))
      return nullptr;
    QAccessible::Id& id = cards_[key];
    if (!id)
      id = QAccessible::registerAccessibleInterface(new CardItem(window_, self(), key));
    return QAccessible::accessibleInterface(id);
  }

  int indexOfChild(const QAccessibleInterface* item) const override {
    for (QAccessible::Id id : cards_)
      if (id && QAccessible::accessibleInterface(id) == item)
        return static_cast<const CardItem*>(item)->Slot();
    return -1;
  }

  QAccessibleInterface* focusChild() const override {
    const int cursor = window_ ? window_->CursorSlot() : -1;
    return cursor >= 0 && window_->isActiveWindow() ? child(cursor) : nullptr;
  }

  QAccessibleInterface* childAt(int x, int y) const override {
    // The card drawn on top wins, as it does for the mouse.
    for (int i = childCount() - 1; i >= 0; --i)
      if (child(i)->rect().contains(x, y))
        return child(i);
    return nullptr;
  }

  QString text(QAccessible::Text t) const override {
    return t == QAccessible::Name ? HandListName() : QString();
  }

  QRect rect() const override {
    return window_ ? QRect(window_->mapToGlobal(QPoint(0, 0)), window_->size()) : QRect();
  }

 private:
  QAccessibleInterface* self() const { return const_cast<HandList*>(this); }

  QPointer<SeatWindow> window_;
  QAccessibleInterface* parent_;
  // By CardItem key: the 52 cards of an open hand, then the places of a face-down one.
  mutable std::array<QAccessible::Id, kDeckSize + kHandSlots> cards_{};
};

// The seat window: its caption as its name, the hand list first among its children. It
// also remembers the card under the cursor as a screen reader was last told of it.
class HandWindow : public QAccessibleWidget {
 public:
  explicit HandWindow(SeatWindow* window) : QAccessibleWidget(window, QAccessible::Window) {
    list_ = QAccessible::registerAccessibleInterface(new HandList(window, this));
  }
  ~HandWindow() override { QAccessible::deleteAccessibleInterface(list_); }

  QAccessibleInterface* List() const { return QAccessible::accessibleInterface(list_); }

  int childCount() const override { return 1 + QAccessibleWidget::childCount(); }
  QAccessibleInterface* child(int index) const override {
    return index == 0 ? List() : QAccessibleWidget::child(index - 1);
  }
  int indexOfChild(const QAccessibleInterface* item) const override {
    if (item == List())
      return 0;
    const int index = QAccessibleWidget::indexOfChild(item);
    return index < 0 ? -1 : index + 1;
  }
  QAccessibleInterface* focusChild() const override {
    if (QAccessibleInterface* card = List()->focusChild())
      return card;
    return QAccessibleWidget::focusChild();
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    if (QAccessibleInterface* control = QAccessibleWidget::childAt(x, y))
      return control;
    return List()->rect().contains(x, y) ? List() : nullptr;
  }

  // The events of the hand's changes since the last pass of the event loop: one for the
  // cards as a whole, and one for the card under the cursor when it is another card
  // (a name change, and the focus again so that it is read) or was selected or put back.
  void Tell() {
    QAccessibleInterface* list = List();
    QAccessibleEvent reorder(list, QAccessible::ObjectReorder);
    TellScreenReader(&reorder);
    auto* window = static_cast<SeatWindow*>(widget());
    const int slot = window->CursorSlot();
    QAccessibleInterface* card = list->focusChild();
    if (!card) {
      toldCard_ = -1;
      return;
    }
    const int code = window->Hand().Cards[slot];
    const bool selected = window->Hand().Selected[slot] != 0;
    if (code != toldCard_ || slot != toldSlot_) {
      // Another card, or the same one elsewhere: the focus is on it anew.
      QAccessibleEvent focus(card, QAccessible::Focus);
      TellScreenReader(&focus);
    } else if (selected != toldSelected_) {
      // Sent on as the card's "selected" state, which a screen reader reads after Space.
      QAccessibleEvent selection(card, QAccessible::Selection);
      TellScreenReader(&selection);
      QAccessibleEvent renamed(card, QAccessible::NameChanged);
      TellScreenReader(&renamed);
    }
    toldCard_ = code;
    toldSlot_ = slot;
    toldSelected_ = selected;
  }

  // The card under the cursor is read anew from the next change on: the focus came back.
  void Forget() { toldCard_ = -1; }

  bool pending = false;

 private:
  QAccessible::Id list_ = 0;
  int toldCard_ = -1;
  int toldSlot_ = -1;
  bool toldSelected_ = false;
};

QAccessibleInterface* HandWindowFactory(const QString&, QObject* object) {
  if (auto* window = qobject_cast<SeatWindow*>(object))
    return new HandWindow(window);
  return nullptr;
}

}  // namespace

void InstallHandAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(HandWindowFactory);
    return true;
  }();
  (void)installed;
}

void HandChanged(SeatWindow* window) {
  if (!ScreenReaderListens())
    return;
  auto* iface = dynamic_cast<HandWindow*>(QAccessible::queryAccessibleInterface(window));
  if (!iface || iface->pending)
    return;
  // A deal or a move repaints a hand several times over: a screen reader hears of it once.
  iface->pending = true;
  QTimer::singleShot(0, window, [window] {
    if (auto* hand = dynamic_cast<HandWindow*>(QAccessible::queryAccessibleInterface(window))) {
      hand->pending = false;
      hand->Tell();
    }
  });
}

void HandFocused(SeatWindow* window) {
  if (!ScreenReaderListens())
    return;
  if (auto* iface = dynamic_cast<HandWindow*>(QAccessible::queryAccessibleInterface(window)))
    iface->Forget();
  HandChanged(window);
}

}  // namespace zelvani
