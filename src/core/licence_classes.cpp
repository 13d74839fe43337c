#include "core/licence_classes.h"

const QStringList &ClassCodes()
{
    static const QStringList codes = {
        QStringLiteral("A"), QStringLiteral("A1"), QStringLiteral("B"),  QStringLiteral("C"),  QStringLiteral("CE"),
        QStringLiteral("C1"), QStringLiteral("D"), QStringLiteral("D1"), QStringLiteral("L"),  QStringLiteral("M"),
        QStringLiteral("MO"), QStringLiteral("T"), QStringLiteral("S"),
    };
    return codes;
}

bool IsClassCode(const QString &code)
{
    return ClassCodes().contains(code, Qt::CaseSensitive);
}

QString ClassInForce(const QString &code)
{
    return IsClassCode(code) ? code : QStringLiteral("B");
}
