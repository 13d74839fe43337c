#pragma once

#include <QString>
#include <QStringList>

// The 13 licence class codes, in the order of the class boxes.
const QStringList &ClassCodes();
// Exactly one of the 13 codes, with case: "b" or " B" is none.
bool IsClassCode(const QString &code);
// The class a stored or typed value stands for: the value itself when it is a class code, "B"
// otherwise, so that no screen ever works on a class without questions.
QString ClassInForce(const QString &code);
