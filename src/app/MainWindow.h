#pragma once

#include <QMainWindow>

namespace zedur {

class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit MainWindow(QWidget *parent = nullptr);
};

} // namespace zedur
