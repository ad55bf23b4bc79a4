#pragma once
// Text held in the core is bytes: shown as UTF-8, or as Latin-1 when the bytes
// are not valid UTF-8.
#include <QString>
#include <string>

QString ToDisplayText(const std::string& bytes);
// Text typed by the user, as the core holds it (UTF-8).
std::string FromDisplayText(const QString& text);
