#pragma once
#include <QDate>
#include <QDateTime>

namespace vx {

// A date and time as the stored files carry it: days since 30 December 1899, the fraction
// being the time of day.
struct TDateTime {
    double Value = 0;

    static TDateTime FromDate(QDate date)
    {
        return {double(QDate(1899, 12, 30).daysTo(date))};
    }
    static TDateTime FromQDateTime(const QDateTime& dt)
    {
        double days = double(QDate(1899, 12, 30).daysTo(dt.date()));
        double frac = dt.time().msecsSinceStartOfDay() / 86400000.0;
        return {days < 0 ? days - frac : days + frac};
    }
    QDate date() const { return QDate(1899, 12, 30).addDays(qint64(Value)); }
    QDateTime toQDateTime() const
    {
        qint64 days = qint64(Value);
        double frac = Value - double(days);
        if (frac < 0)
            frac = -frac;
        return QDateTime(QDate(1899, 12, 30).addDays(days),
                         QTime::fromMSecsSinceStartOfDay(int(frac * 86400000.0 + 0.5) % 86400000));
    }
    bool operator==(const TDateTime&) const = default;
};

} // namespace vx
