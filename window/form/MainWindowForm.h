// The settings window as the form lays it out, before any delegate is bound.
#pragma once

#include <memory>

class QMainWindow;

std::unique_ptr<QMainWindow> loadMainWindow();
