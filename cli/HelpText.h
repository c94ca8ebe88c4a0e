// The text of --help, with the list of setting names made from the tables.
#pragma once

#include <string>

std::string helpText();
