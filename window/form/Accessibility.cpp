#include "Accessibility.h"

#include "Mnemonics.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QSlider>
#include <QTabBar>
#include <QVariant>

#include <map>

namespace {

constexpr char kRadioGroup[] = "accessibleRadioGroup";
constexpr char kPositionTexts[] = "accessiblePositionTexts";

// The caption of a slider's position, or an empty text for a slider without
// position texts.
QString choiceOf(const QSlider* slider) {
    const QStringList texts = slider->property(kPositionTexts).toStringList();
    const int index = slider->value() - slider->minimum();
    return index >= 0 && index < texts.size() ? texts.at(index) : QString();
}

// A slider that names its position: "Custom 2" rather than "1". Qt's bridge
// to the desktop's accessibility bus (AT-SPI) passes on only the number of a
// value, so the description names the choice too, ahead of what the slider
// does; setPositionTexts announces a new description with every move.
class NamedSlider : public QAccessibleWidget, public QAccessibleValueInterface {
  public:
    explicit NamedSlider(QSlider* slider) : QAccessibleWidget(slider, QAccessible::Slider) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text kind) const override {
        const QString choice = choiceOf(slider());
        if (kind == QAccessible::Value)
            return choice.isEmpty() ? QString::number(slider()->value()) : choice;
        const QString text = QAccessibleWidget::text(kind);
        if (kind != QAccessible::Description || choice.isEmpty())
            return text;
        return text.isEmpty() ? choice : choice + QLatin1String(". ") + text;
    }

    QVariant currentValue() const override { return slider()->value(); }
    void setCurrentValue(const QVariant& value) override { slider()->setValue(value.toInt()); }
    QVariant maximumValue() const override { return slider()->maximum(); }
    QVariant minimumValue() const override { return slider()->minimum(); }
    QVariant minimumStepSize() const override { return slider()->singleStep(); }

    QStringList actionNames() const override {
        return QAccessibleWidget::actionNames() << QAccessibleActionInterface::increaseAction()
                                                << QAccessibleActionInterface::decreaseAction();
    }
    void doAction(const QString& name) override {
        if (!slider()->isEnabled())
            return;
        if (name == QAccessibleActionInterface::increaseAction())
            slider()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        else if (name == QAccessibleActionInterface::decreaseAction())
            slider()->triggerAction(QAbstractSlider::SliderSingleStepSub);
        else
            QAccessibleWidget::doAction(name);
    }

  private:
    QSlider* slider() const { return static_cast<QSlider*>(widget()); }
};

// One tab of a tab bar; it has no object of its own.
class Tab : public QAccessibleInterface, public QAccessibleActionInterface {
  public:
    Tab(QTabBar* bar, int index) : bar_(bar), index_(index) {}

    bool isValid() const override { return bar_ != nullptr && index_ < bar_->count(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return parent() ? parent()->window() : nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(bar_);
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text kind) const override {
        if (!isValid())
            return QString();
        if (kind == QAccessible::Name)
            return withoutMnemonic(bar_->tabText(index_));
        if (kind == QAccessible::Description)
            return bar_->tabToolTip(index_);
        return QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!isValid())
            return QRect();
        const QRect local = bar_->tabRect(index_);
        return QRect(bar_->mapToGlobal(local.topLeft()), local.size());
    }
    QAccessible::Role role() const override { return QAccessible::PageTab; }
    QAccessible::State state() const override {
        QAccessible::State s;
        if (!isValid())
            return s;
        s.selectable = true;
        s.focusable = true;
        s.selected = bar_->currentIndex() == index_;
        s.focused = s.selected && bar_->hasFocus();
        s.disabled = !bar_->isTabEnabled(index_);
        s.invisible = !bar_->isVisible() || !bar_->isTabVisible(index_);
        return s;
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }
    QStringList actionNames() const override { return {QAccessibleActionInterface::pressAction()}; }
    void doAction(const QString& name) override {
        if (isValid() && name == QAccessibleActionInterface::pressAction())
            bar_->setCurrentIndex(index_);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

  private:
    QPointer<QTabBar> bar_;
    int index_;
};

// A tab bar whose tabs tell which of them is the current one.
class TabList : public QAccessibleWidget {
  public:
    explicit TabList(QTabBar* bar) : QAccessibleWidget(bar, QAccessible::PageTabList) {}
    ~TabList() override {
        for (const auto& [index, id] : tabs_)
            QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return bar()->count(); }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= bar()->count())
            return nullptr;
        auto found = tabs_.find(index);
        if (found == tabs_.end())
            found =
                tabs_
                    .emplace(index, QAccessible::registerAccessibleInterface(new Tab(bar(), index)))
                    .first;
        return QAccessible::accessibleInterface(found->second);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (int i = 0; i < childCount(); ++i) {
            if (this->child(i) == child)
                return i;
        }
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        for (int i = 0; i < childCount(); ++i) {
            if (child(i)->rect().contains(x, y))
                return child(i);
        }
        return nullptr;
    }

  private:
    QTabBar* bar() const { return static_cast<QTabBar*>(widget()); }
    mutable std::map<int, QAccessible::Id> tabs_;
};

QAccessibleInterface* factory(const QString& className, QObject* object) {
    if (object == nullptr || !object->isWidgetType())
        return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (className == QLatin1String("QSlider"))
        return new NamedSlider(static_cast<QSlider*>(widget));
    if (className == QLatin1String("QTabBar"))
        return new TabList(static_cast<QTabBar*>(widget));
    if (className == QLatin1String("QWidget") && widget->property(kRadioGroup).toBool())
        return new QAccessibleWidget(widget, QAccessible::Grouping);
    return nullptr;
}

} // namespace

void installAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    (void)installed;
}

void markAsRadioGroup(QWidget* container) {
    container->setProperty(kRadioGroup, true);
}

void setPositionTexts(QSlider* slider, const QStringList& texts) {
    const bool announcing = slider->property(kPositionTexts).isValid();
    slider->setProperty(kPositionTexts, texts);
    if (announcing)
        return;
    QObject::connect(slider, &QSlider::valueChanged, slider, [slider] {
        QAccessibleEvent changed(slider, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&changed);
    });
}
