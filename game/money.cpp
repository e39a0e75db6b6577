#include "game/money.h"

#include <QLocale>
#include <cmath>

QString moneyText(double amount) {
    if (std::floor(amount) != amount) {
        return QString::number(amount, 'f', QLocale::FloatingPointShortest);
    }
    if (std::fabs(amount) < 1e15) return QString::number(static_cast<qlonglong>(amount));
    return QString::number(amount, 'f', 0);
}
