#pragma once

#include "data/account.h"

#include <QDate>
#include <QHash>
#include <QString>
#include <QStringView>

#include <optional>

class CsvTable;

// A CSV row that was not imported, and what in it did not read.
struct SkippedRow
{
    enum class Reason {
        NoDateCell, // the row ends before the mapped column
        NoPayeeCell,
        NoAmountCell,
        EmptyDate,
        UnreadableDate,
        EmptyAmount,
        UnreadableAmount,
        AmountWithDecimals, // in a currency that has none
    };

    int row = 0; // numbered from 1 like the preview, a header row included
    Reason reason = Reason::UnreadableDate;
    QString cell;       // the cell that did not read, cut short
    int column = -1;    // with No...Cell: the mapped column
    QString dateFormat; // with UnreadableDate: the format chosen, empty when automatic

    static QString excerpt(QStringView cell);
};

// Reads the date and amount cells of one CSV file. How they read is decided
// once for the whole file from the cells of its date and amount columns, so
// that no row is read differently from its neighbours:
// - the date format, when none was chosen: the first automatic format that
//   reads every cell that is a date in any format (a "Total" row is no date
//   and does not count);
// - the decimal separator: when the amount column holds a decimal-comma
//   amount ("5.000,00", "-24,14") and no decimal-point amount, the comma
//   separates the decimals and a dot groups thousands in every cell
//   ("-1.450" is -1450.00); otherwise a comma is a decimal comma only when
//   one or two digits end the text after it.
class CsvCellReader
{
public:
    CsvCellReader(const CsvTable &table, qsizetype firstRow, int dateColumn, int amountColumn,
                  const QString &chosenDateFormat, Currency currency);

    QDate readDate(QStringView cell);
    std::optional<qint64> readAmount(QStringView cell) const;
    SkippedRow::Reason dateProblem(QStringView cell) const;
    SkippedRow::Reason amountProblem(QStringView cell) const;

    const QString &chosenDateFormat() const { return m_chosenDateFormat; }
    const QString &fileDateFormat() const { return m_fileDateFormat; }
    bool decimalComma() const { return m_decimalComma; }

private:
    std::optional<qint64> readAmountIn(QStringView cell, Currency currency) const;

    QString m_chosenDateFormat;
    QString m_fileDateFormat;
    Currency m_currency;
    bool m_decimalComma = false;
    // Qt's format parser is slow and statements repeat their dates.
    QHash<QString, QDate> m_dates;
};
