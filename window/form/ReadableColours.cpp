#include "ReadableColours.h"

#include <QEvent>
#include <QLabel>
#include <QObject>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace {

double channel(double value) {
    return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

double luminance(const QColor& colour) {
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) +
           0.0722 * channel(colour.blueF());
}

QColor mix(const QColor& from, const QColor& to, double share) {
    return QColor::fromRgbF(
        static_cast<float>(from.redF() + (to.redF() - from.redF()) * share),
        static_cast<float>(from.greenF() + (to.greenF() - from.greenF()) * share),
        static_cast<float>(from.blueF() + (to.blueF() - from.blueF()) * share));
}

void colourNotes(QWidget* window) {
    const QColor colour = explanatoryColour(window->palette());
    for (QLabel* label : window->findChildren<QLabel*>()) {
        if (!label->property("explanatoryNote").toBool())
            continue;
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, colour);
        label->setPalette(palette);
    }
}

// Colours the notes again when the desktop switches between light and dark.
class PaletteWatch : public QObject {
  public:
    explicit PaletteWatch(QWidget* window) : QObject(window), window_(window) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == window_ && event->type() == QEvent::PaletteChange)
            colourNotes(window_);
        return QObject::eventFilter(watched, event);
    }

  private:
    QWidget* window_;
};

} // namespace

double contrastRatio(const QColor& a, const QColor& b) {
    const double lighter = std::max(luminance(a), luminance(b));
    const double darker = std::min(luminance(a), luminance(b));
    return (lighter + 0.05) / (darker + 0.05);
}

QColor explanatoryColour(const QPalette& palette, double minimum) {
    const QColor text = palette.color(QPalette::Active, QPalette::WindowText);
    const QColor window = palette.color(QPalette::Active, QPalette::Window);
    // Halfway at most, and a small margin over the minimum for rounding.
    double low = 0.0, high = 0.5;
    for (int step = 0; step < 20; ++step) {
        const double middle = (low + high) / 2;
        if (contrastRatio(mix(text, window, middle), window) >= minimum + 0.1)
            low = middle;
        else
            high = middle;
    }
    return mix(text, window, low);
}

void keepNotesReadable(QWidget* window) {
    colourNotes(window);
    window->installEventFilter(new PaletteWatch(window));
}
