#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <functional>

class TBitmap;

// The drawing surface of a print job, in the printer's device pixels.
class IPrintCanvas
{
public:
    virtual ~IPrintCanvas() = default;
    // The printable page and the printer's resolution (dots per inch).
    virtual QSize PageSize() const = 0;
    virtual int Resolution() const = 0;
    // The font for the text that follows; the layouts' "MS Sans Serif" is drawn with the program's
    // layout font. Sizes are in points.
    virtual void SetFont(const QString &family, int points, bool bold) = 0;
    virtual void SetPenWidth(int width) = 0;
    // Text with its top-left corner at the point, on one line.
    virtual void TextOut(QPoint topLeft, const QString &text) = 0;
    // Text wrapped at word ends into the rectangle, clipped to it.
    virtual void TextRect(const QRect &rectangle, const QString &text) = 0;
    virtual void Line(QPoint from, QPoint to) = 0;
    virtual void Rectangle(const QRect &rectangle) = 0;
    // The picture stretched into the rectangle.
    virtual void StretchPicture(const QRect &rectangle, const TBitmap &picture) = 0;
    // Ends the page and begins the next.
    virtual void NewPage() = 0;
};

// Printing: the system's print dialog, then one print job on the printer chosen there.
class IPrintPort
{
public:
    virtual ~IPrintPort() = default;
    // Shows the print dialog; when the user confirms, begins a job titled `title`, lets `job` draw
    // its pages and ends the job. False when the user cancelled (the job does not run); an error of
    // the job ends the job and reaches the caller.
    virtual bool Print(const QString &title, const std::function<void(IPrintCanvas &canvas)> &job) = 0;
};
