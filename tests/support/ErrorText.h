#pragma once

#include <QString>

#include <functional>
#include <string>

// The message of the PlatformError that `action` throws; empty when it throws none.
QString errorOf(const std::function<void()> &action);

// The same as a GoogleTest-friendly string: "no error" when it throws none.
std::string messageOf(const std::function<void()> &action);
