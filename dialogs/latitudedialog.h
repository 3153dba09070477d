#pragma once

#include <QDialog>

class Heliodial;
class QLabel;
class QLineEdit;
class QPushButton;

// "Your latitude": the observer's latitude for the horizon line.
class TFLatitude : public QDialog {
    Q_OBJECT
public:
    explicit TFLatitude(Heliodial &app);

    QLabel *Label2;
    QLabel *Label3;
    QLabel *Label4;
    QLineEdit *Edit1;
    QPushButton *Button1;

public slots:
    void FormShow();
    void Edit1Change();
    void Edit1Exit();
    void Button1Click();
    void FormClose();

protected:
    void showEvent(QShowEvent *event) override;
    // Every way of closing (the button, Enter, Esc, the close box) ends here.
    void done(int result) override;

private:
    Heliodial &m_app;
};
