#pragma once

#include <QDialog>

// Help > About: the program icon, "Tivora Track Decoder Version 1.1" and OK.
class CAboutDlg : public QDialog {
  Q_OBJECT
public:
  explicit CAboutDlg(QWidget* parent = nullptr);
};
