// What the layer's own sources share; never included above the platform layer.
#pragma once

#include <QString>
#include <string>

namespace gui_internal {

// Creates the Qt application object on first use (timers and widgets need it).
void EnsureQtApplication();

// Texts are single-byte; Latin-1 keeps every byte as it is.
inline QString ToQt(const std::string& s) { return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size())); }
inline std::string FromQt(const QString& s) {
  QByteArray bytes = s.toLatin1();
  return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

// Wakes a loop that waits for events so it looks at its exit condition again.
void WakeEventLoop();

}  // namespace gui_internal
