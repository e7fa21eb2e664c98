#include "platform/box_reaction.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <optional>
#include <utility>
#include <vector>

#include "platform/error_handler.h"

namespace {

// One per box: the box's reactions, and what it needs to tell a change from its echo.
class BoxReactor final : public QObject {
public:
    explicit BoxReactor(QWidget& box) : QObject(&box), box_(box) {
        box.installEventFilter(this);
        if (auto* combo = qobject_cast<QComboBox*>(&box)) {
            edit_ = combo->lineEdit();
            connect(combo, &QComboBox::textActivated, this, [this](const QString& text) { picked(text); });
        } else {
            edit_ = qobject_cast<QLineEdit*>(&box);
        }
        if (!edit_)
            return;
        if (edit_ != &box)
            edit_->installEventFilter(this); // keys sent to a combo box's own edit
        connect(edit_, &QLineEdit::textEdited, this, [this](const QString& text) { edited(text); });
        connect(edit_, &QLineEdit::textChanged, this, [this](const QString& text) {
            if (typed_ && *typed_ != text)
                typed_.reset();
        });
        connect(edit_, &QLineEdit::returnPressed, this, [this] { confirm(); });
    }

    void add(BoxReacts when, std::function<void()> run) { reactions_.push_back({when, std::move(run)}); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::KeyPress: {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key != Qt::Key_Return && key != Qt::Key_Enter)
                return false;
            // The box does with Enter what it always does; then the key is taken, as a key left
            // unaccepted would go on to the window and its default button.
            finish(*watched, *event, Finishing::Confirming);
            event->accept();
            confirm();
            return true;
        }
        case QEvent::FocusIn:
            // A dialog being shown tells the control that will have the focus before it has it:
            // only the focus really arriving is an entering.
            if (watched == &box_ && box_.hasFocus() && movedByTheUser(*static_cast<QFocusEvent*>(event)))
                run(BoxReacts::OnEntering);
            return false;
        case QEvent::FocusOut: {
            if (watched != &box_)
                return false;
            // A disabled box confirms nothing, and a hidden one is confirmed by its hiding.
            const bool leaving =
                movedByTheUser(*static_cast<QFocusEvent*>(event)) && box_.isEnabled() && box_.isVisible();
            finish(*watched, *event, leaving ? Finishing::Confirming : Finishing::Quietly);
            if (leaving)
                confirm();
            return true;
        }
        case QEvent::Hide:
            if (watched != &box_ || event->spontaneous())
                return false;
            if (!box_.window()->isVisible()) {
                // The window closed: what was typed and never confirmed is given up with it, so
                // the next showing does not confirm text that is no longer in the box.
                pending_ = false;
                typed_.reset();
            } else if (!SelfChange::underWay(box_)) {
                // The user switched to another page. The handler runs once the switch is done, not
                // halfway through it, where a message box or a page switch of its own would land.
                QMetaObject::invokeMethod(
                    this, [this] { confirm(); }, Qt::QueuedConnection);
            }
            return false;
        default:
            return false;
        }
    }

private:
    // What an item "pick" means while the box finishes an edit: a combo box picks the item that
    // typed text matches when it is confirmed or left, which is no pick of the user's.
    enum class Finishing { No, Confirming, Quietly };

    // Lets the box handle Enter or leaving as it always does, knowing that it is finishing.
    void finish(QObject& watched, QEvent& event, Finishing how) {
        finishing_ = how;
        watched.event(&event);
        finishing_ = Finishing::No;
    }

    // Focus moved within the window by a click or a key, and not by the window itself, whose own
    // moves may come with any reason (hiding or disabling the focused control moves the focus as
    // Tab does): not to or from a popup, a menu or another window.
    bool movedByTheUser(const QFocusEvent& event) const {
        switch (event.reason()) {
        case Qt::MouseFocusReason:
        case Qt::TabFocusReason:
        case Qt::BacktabFocusReason:
        case Qt::ShortcutFocusReason:
            return !SelfChange::underWay(box_);
        default:
            return false;
        }
    }

    void edited(const QString& text) {
        typed_ = text;
        pending_ = true;
        run(BoxReacts::OnChange);
    }

    void picked(const QString& text) {
        // The typed change again, not a new one: the item typed text matches, picked by the box
        // as it finishes, or picked from the drop-down after the same text was typed.
        const bool echo = finishing_ != Finishing::No || (typed_ && *typed_ == text);
        typed_.reset();
        if (echo) {
            if (finishing_ != Finishing::Quietly)
                confirm();
            return;
        }
        pending_ = false;
        run(BoxReacts::OnChange);
        run(BoxReacts::OnPick);
        run(BoxReacts::OnConfirm);
    }

    void confirm() {
        if (!pending_)
            return;
        pending_ = false;
        run(BoxReacts::OnConfirm);
    }

    void run(BoxReacts when) {
        // A box the window has disabled, for a run under way, sets nothing off.
        if (!box_.isEnabled())
            return;
        for (const Reaction& reaction : reactions_)
            if (reaction.when == when)
                reaction.run();
    }

    struct Reaction {
        BoxReacts when;
        std::function<void()> run;
    };

    QWidget& box_;
    QLineEdit* edit_ = nullptr;
    std::vector<Reaction> reactions_;
    Finishing finishing_ = Finishing::No;
    bool pending_ = false;         // typed text not yet confirmed
    std::optional<QString> typed_; // the text the last key or paste left, while the box still shows it
};

BoxReactor& ReactorOf(QWidget& box) {
    for (QObject* child : box.children())
        if (auto* reactor = dynamic_cast<BoxReactor*>(child))
            return *reactor;
    return *new BoxReactor(box);
}

void Connect(QWidget& box, BoxReacts when, Dialogs& dialogs, std::function<void()> handler) {
    ReactorOf(box).add(when, Guarded(dialogs, std::move(handler)));
}

} // namespace

void ConnectBox(QLineEdit& box, BoxReacts when, Dialogs& dialogs, std::function<void()> handler) {
    Connect(box, when, dialogs, std::move(handler));
}

void ConnectBox(QComboBox& box, BoxReacts when, Dialogs& dialogs, std::function<void()> handler) {
    Connect(box, when, dialogs, std::move(handler));
}

void KeepEnterInBoxes(QWidget& window) {
    for (QWidget* w : window.findChildren<QWidget*>()) {
        const bool inner =
            qobject_cast<QComboBox*>(w->parentWidget()) || qobject_cast<QAbstractSpinBox*>(w->parentWidget());
        if (qobject_cast<QComboBox*>(w) || qobject_cast<QAbstractSpinBox*>(w) ||
            (qobject_cast<QLineEdit*>(w) && !inner))
            ReactorOf(*w);
    }
}

namespace {

// How many SelfChanges a window holds now.
constexpr char SelfChangesProperty[] = "selfChanges";

int SelfChanges(const QWidget& window) {
    return window.property(SelfChangesProperty).toInt();
}

} // namespace

SelfChange::SelfChange(QWidget& control) : window_(control.window()) {
    window_->setProperty(SelfChangesProperty, SelfChanges(*window_) + 1);
}

SelfChange::~SelfChange() {
    if (window_)
        window_->setProperty(SelfChangesProperty, SelfChanges(*window_) - 1);
}

bool SelfChange::underWay(const QWidget& control) {
    return SelfChanges(*control.window()) > 0;
}
