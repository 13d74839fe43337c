#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The text file of one text group, as people exchange the teaser texts of a group: 8-bit
// Windows-1252 text, every text followed by ";", the whole ended by CR LF. A text that holds line
// breaks spreads over several lines of the file; a text that holds ";" comes back as two.

// The file's bytes for the texts, in their order. No texts give ";" and CR LF: the file of an empty
// group reads back as one empty text.
QByteArray TextGroupFileBytes(const QStringList &texts);

// The texts of a file's bytes. Its lines (ended by CR LF, LF or CR) are joined by CR LF and followed
// by CR LF, then cut at every ";"; what follows the last ";" is one more text unless only the final
// line break is left. An empty file or one without ";" gives one text.
QStringList TextsOfTextGroupFile(const QByteArray &bytes);
