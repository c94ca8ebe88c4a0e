#include "Mnemonics.h"

#include <QAbstractButton>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include <functional>

namespace {

QChar mnemonicOf(const QString& text) {
    for (int i = 0; i + 1 < text.size(); ++i) {
        if (text.at(i) != QLatin1Char('&'))
            continue;
        if (text.at(i + 1) != QLatin1Char('&'))
            return text.at(i + 1).toLower();
        ++i; // "&&" is a plain "&"
    }
    return QChar();
}

bool hasMnemonic(const QString& text) {
    return !mnemonicOf(text).isNull();
}

// Positions to try: the first letter of each word, then every other letter.
QList<int> candidates(const QString& text) {
    QList<int> starts, others;
    for (int i = 0; i < text.size(); ++i) {
        if (!text.at(i).isLetterOrNumber() || text.at(i).unicode() > 0x7f)
            continue;
        const bool wordStart = i == 0 || !text.at(i - 1).isLetterOrNumber();
        (wordStart ? starts : others).append(i);
    }
    return starts + others;
}

// Every text that a window shows at once with the others of its scope.
struct Scope {
    QList<std::function<QString()>> read;
    QList<std::function<void(const QString&)>> write;
    void add(std::function<QString()> get, std::function<void(const QString&)> set) {
        read.append(std::move(get));
        write.append(std::move(set));
    }
};

void assign(Scope& scope, QString taken) {
    for (int i = 0; i < scope.read.size(); ++i)
        scope.write[i](withMnemonic(scope.read[i](), taken));
}

void addButtonsAndCaptions(Scope& scope, QWidget* area, bool deep) {
    const auto options = deep ? Qt::FindChildrenRecursively : Qt::FindDirectChildrenOnly;
    for (QPushButton* button : area->findChildren<QPushButton*>(QString(), options))
        scope.add([button] { return button->text(); },
                  [button](const QString& text) { button->setText(text); });
    for (QLabel* label : area->findChildren<QLabel*>(QString(), options)) {
        if (label->buddy() != nullptr && !label->text().isEmpty())
            scope.add([label] { return label->text(); },
                      [label](const QString& text) { label->setText(text); });
    }
}

} // namespace

QString withoutMnemonic(const QString& text) {
    QString plain;
    for (int i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('&') && i + 1 < text.size())
            ++i;
        plain += text.at(i);
    }
    return plain;
}

QString withMnemonic(const QString& text, QString& taken) {
    if (hasMnemonic(text)) {
        taken += mnemonicOf(text);
        return text;
    }
    const QList<int> positions = candidates(text);
    if (positions.isEmpty())
        return text;
    int chosen = positions.first();
    for (int position : positions) {
        if (!taken.contains(text.at(position).toLower())) {
            chosen = position;
            break;
        }
    }
    taken += text.at(chosen).toLower();
    QString marked = text;
    marked.insert(chosen, QLatin1Char('&'));
    return marked;
}

void assignMnemonics(QWidget* window) {
    // What is always on screen: the menu titles, the window's own buttons and
    // captions outside the tabs, and the tabs' titles.
    QString always;
    if (auto* main = qobject_cast<QMainWindow*>(window); main && main->menuBar()) {
        for (QAction* menu : main->menuBar()->actions())
            always += mnemonicOf(menu->text());
    }
    QList<QTabWidget*> tabWidgets = window->findChildren<QTabWidget*>();
    Scope outside;
    for (QPushButton* button : window->findChildren<QPushButton*>()) {
        bool inTabs = false;
        for (QTabWidget* tabs : tabWidgets)
            inTabs = inTabs || tabs->isAncestorOf(button);
        if (!inTabs)
            outside.add([button] { return button->text(); },
                        [button](const QString& text) { button->setText(text); });
    }
    for (QTabWidget* tabs : tabWidgets) {
        for (int i = 0; i < tabs->count(); ++i)
            outside.add([tabs, i] { return tabs->tabText(i); },
                        [tabs, i](const QString& text) { tabs->setTabText(i, text); });
    }
    for (int i = 0; i < outside.read.size(); ++i)
        outside.write[i](withMnemonic(outside.read[i](), always));
    // Each page shows its captions together with what is always there.
    for (QTabWidget* tabs : tabWidgets) {
        for (int i = 0; i < tabs->count(); ++i) {
            Scope page;
            addButtonsAndCaptions(page, tabs->widget(i), true);
            assign(page, always);
        }
    }
}
