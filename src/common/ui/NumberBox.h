#pragma once

#include <QLineEdit>

namespace zedur {

// An edit box for a number, drawn right-aligned and shown in the screen's format.
class NumberBox : public QLineEdit
{
    Q_OBJECT
public:
    NumberBox(const QString &objectName, const QString &picture = QStringLiteral("#,##0.0000"),
              QWidget *parent = nullptr);

    const QString &picture() const { return m_picture; }
    void setPicture(const QString &picture) { m_picture = picture; }
    // Shows the value in the box's format.
    void showValue(double value);
    // The number the text stands for (blanks and separators dropped); throws ConversionError.
    double value() const;

private:
    QString m_picture;
};

// Draws a box's text right-aligned, as numbers are shown in every box.
void CallRightEdit(QLineEdit *box);

} // namespace zedur
