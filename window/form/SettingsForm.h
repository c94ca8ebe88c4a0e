// The window's form bound to the settings, the way KConfigXT binds its
// widgets: each control of formControls() found by its name, captioned and
// described from the settings table, shown from the settings and storing the
// user's changes in them. It tells the window of each change the user makes,
// so that it becomes one step of the document's history.
#pragma once

#include "Controls.h"
#include "FormControls.h"
#include "KaveloConfigParser.h"
#include "SettingValues.h"

#include <QObject>
#include <QString>

#include <vector>

class QWidget;

class SettingsForm : public QObject {
    Q_OBJECT

  public:
    explicit SettingsForm(KaveloConfigParser& config, QObject* parent = nullptr);

    // Finds every control in `window` by its objectName, names its caption
    // and cells from the settings table, describes it for screen readers and
    // tooltips, and connects it. Throws std::runtime_error naming the first
    // control that the window lacks.
    void bind(QWidget* window);

    // The wrapper of the control named `name`, or nullptr where there is
    // none of that kind.
    template <class Wrapper> Wrapper* control(const char* name) const {
        return dynamic_cast<Wrapper*>(wrapperNamed(name));
    }
    // The widget that a control wraps.
    QWidget* widgetOf(const FormControl& control) const;

    // What a change of `sender` stores in the settings (the action of its
    // control), then the part of the form that the change affects shown
    // again.
    void store(QObject* sender);
    // Hands the text typed into a gain field but not yet confirmed to its
    // action, as Return would.
    void commitPendingEdits();

    // Every control shows its setting, and the controls that depend on
    // another setting are opened or closed. The only setting the refresh
    // changes is a clip length that loop recording does not allow.
    void showAll();
    void showCustomWhiteBalance();
    void showLabels();
    void showTimeLapseLabel(int which); // 0 photo, 1 video mode 1, 2 video mode 2
    void showChoiceLabels();

  signals:
    // The user changed a control: `name` is what the window calls it, and
    // the settings were `before`. Changes with the same `mergeKey` (0 or
    // more) in a row are one drag of a slider.
    void edited(const QString& name, const SettingValues& before, int mergeKey);

  private:
    struct Bound {
        const FormControl* control;
        QObject* wrapper;
    };
    QObject* wrapperNamed(const char* name) const;
    const Bound* boundTo(const QObject* wrapper) const;
    void nameFromTable(const Bound& bound);
    void describe(const Bound& bound);
    QString stepName(const FormControl& control) const;
    void show(const Bound& bound);
    void refreshAfter(const FormControl& control);

    KaveloConfigParser& config_;
    QWidget* window_ = nullptr;
    std::vector<Bound> bound_;
    int dragCount_ = 0; // slider drags begun, so that one drag is one step
};
