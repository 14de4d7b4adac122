#pragma once
// UTF-8 text of the model and the tables to and from the text of the Qt
// controls.
#include <QString>
#include <string>

inline QString QMetni(const std::string& Metin) { return QString::fromStdString(Metin); }
inline std::string StdMetni(const QString& Metin) { return Metin.toStdString(); }
