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

void addLetterOf(const QString& text, QString& taken) {
    if (hasMnemonic(text))
        taken += mnemonicOf(text);
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

// A text with no Latin letter (Japanese, Chinese) takes a free one after it,
// in brackets, as desktop programs in those languages write it: "保存(&S)",
// before a closing colon or ellipsis: "解像度(&R):"; none when every letter is
// taken.
QString withAddedMnemonic(const QString& text, QString& taken) {
    if (text.trimmed().isEmpty())
        return text;
    const QString letters = QStringLiteral("abcdefghijklmnopqrstuvwxyz");
    const auto firstNotIn = [&](const QString& used) {
        for (QChar letter : letters) {
            if (!used.contains(letter))
                return letter;
        }
        return QChar();
    };
    // A letter another text of the page holds would only add noise: once
    // the free ones are gone, the text goes without.
    const QChar letter = firstNotIn(taken);
    if (letter.isNull())
        return text;
    taken += letter;
    int end = static_cast<int>(text.size());
    while (end > 0 && QStringLiteral(":：…").contains(text.at(end - 1)))
        --end;
    QString marked = text;
    marked.insert(end, QStringLiteral("(&%1)").arg(letter.toUpper()));
    return marked;
}

// A text the assignment marked keeps what it was before, so that a later
// assignment starts from it again; a text set anew since is taken as it is.
const char kMarkedText[] = "kaveloMarkedText";
const char kPlainText[] = "kaveloPlainText";

// Every text that a window shows at once with the others of its scope.
struct Scope {
    struct Text {
        QObject* holder;
        std::function<QString()> get;
        std::function<void(const QString&)> set;
        QString plain() const {
            const QString shown = get();
            const QVariant marked = holder->property(kMarkedText);
            return marked.isValid() && marked.toString() == shown
                       ? holder->property(kPlainText).toString()
                       : shown;
        }
    };
    QList<Text> texts;
    void add(QObject* holder, std::function<QString()> get,
             std::function<void(const QString&)> set) {
        texts.append(Text{holder, std::move(get), std::move(set)});
    }
};

// Texts with a mnemonic of their own keep it and come first; then a text
// keeps the letter an earlier assignment gave it while that is free, so that
// the keys a user knows stay; the others take a letter not in `taken`, else
// one not in `reserved`. Adds the letters to `taken`.
void assign(const Scope& scope, QString& taken, const QString& reserved) {
    QList<const Scope::Text*> rest;
    for (const Scope::Text& text : scope.texts)
        addLetterOf(text.plain(), taken);
    for (const Scope::Text& text : scope.texts) {
        const QString plain = text.plain();
        if (hasMnemonic(plain))
            continue;
        const QString shown = text.get();
        if (shown != plain && !taken.contains(mnemonicOf(shown)))
            taken += mnemonicOf(shown);
        else
            rest.append(&text);
    }
    for (const Scope::Text* text : rest) {
        const QString plain = text->plain();
        const QString marked = withMnemonic(plain, taken, reserved);
        text->holder->setProperty(kPlainText, plain);
        text->holder->setProperty(kMarkedText, marked);
        text->set(marked);
    }
}

void addButtonsAndCaptions(Scope& scope, QWidget* area) {
    for (QPushButton* button : area->findChildren<QPushButton*>())
        scope.add(
            button, [button] { return button->text(); },
            [button](const QString& text) { button->setText(text); });
    for (QLabel* label : area->findChildren<QLabel*>()) {
        if (label->buddy() != nullptr && !label->text().isEmpty())
            scope.add(
                label, [label] { return label->text(); },
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

QString withMnemonic(const QString& text, QString& taken, const QString& reserved) {
    if (hasMnemonic(text)) {
        taken += mnemonicOf(text);
        return text;
    }
    const QList<int> positions = candidates(text);
    if (positions.isEmpty())
        return withAddedMnemonic(text, taken);
    const auto firstNotIn = [&](const QString& letters) {
        for (int position : positions) {
            if (!letters.contains(text.at(position).toLower()))
                return position;
        }
        return -1;
    };
    int chosen = firstNotIn(taken);
    if (chosen < 0)
        chosen = firstNotIn(reserved);
    if (chosen < 0)
        chosen = positions.first();
    taken += text.at(chosen).toLower();
    QString marked = text;
    marked.insert(chosen, QLatin1Char('&'));
    return marked;
}

void assignMnemonics(QWidget* window) {
    // What is always on screen: the menu titles, the window's own buttons
    // outside the tabs (the camera line's among them), and the tabs' titles.
    QString always;
    if (auto* main = qobject_cast<QMainWindow*>(window); main && main->menuBar()) {
        for (QAction* menu : main->menuBar()->actions())
            addLetterOf(menu->text(), always);
    }
    const QList<QTabWidget*> tabWidgets = window->findChildren<QTabWidget*>();
    Scope outside;
    for (QPushButton* button : window->findChildren<QPushButton*>()) {
        bool inTabs = false;
        for (QTabWidget* tabs : tabWidgets)
            inTabs = inTabs || tabs->isAncestorOf(button);
        if (!inTabs)
            outside.add(
                button, [button] { return button->text(); },
                [button](const QString& text) { button->setText(text); });
    }
    for (QTabWidget* tabs : tabWidgets) {
        for (int i = 0; i < tabs->count(); ++i)
            outside.add(
                tabs->widget(i), [tabs, i] { return tabs->tabText(i); },
                [tabs, i](const QString& text) { tabs->setTabText(i, text); });
    }
    assign(outside, always, QString());
    // Each page shows its captions together with what is always there; where
    // a page has more captions than letters, a caption shares a letter with
    // another of its page rather than with what is always there.
    for (QTabWidget* tabs : tabWidgets) {
        for (int i = 0; i < tabs->count(); ++i) {
            Scope page;
            addButtonsAndCaptions(page, tabs->widget(i));
            QString taken = always;
            assign(page, taken, always);
        }
    }
}
