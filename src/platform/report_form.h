#pragma once

#include <QImage>
#include <QObject>
#include <QStringList>

class Clock;
class QPagedPaintDevice;
class QPrinter;

// The report form: an A4 portrait page with a header (logo, title, print time, page number), the
// memo `qr` word-wrapped over as many pages as it needs, and a footer on every page. It prints a
// page even when the memo is empty.
class Trpt : public QObject {
    Q_OBJECT
public:
    explicit Trpt(Clock& clock, QObject* parent = nullptr);

    QStringList qr;      // the memo's lines
    int qrFontSize = 10; // points; the date-range print sets 12 and it stays
    QImage QRImage2;     // the report logo

    static QString title() { return QStringLiteral("Tobrin彩券網"); }
    static QString footerText();

    // Lays the report out on the printer (A4 portrait) and paints it; returns the number of pages.
    int print(QPrinter& printer);
    // Writes the report to a PDF file; returns the number of pages.
    int printToPdf(const QString& fileName);

private:
    Clock& clock_;
};
