#include "MainWindowForm.h"

#include "ui_MainWindow.h"

#include <QMainWindow>

std::unique_ptr<QMainWindow> loadMainWindow() {
    auto window = std::make_unique<QMainWindow>();
    Ui::MainWindow form;
    form.setupUi(window.get());
    return window;
}
