#pragma once

#include <QDialog>

class Heliodial;
class QLabel;
class QLineEdit;
class QPushButton;

// "Planet Movement interval": how many days each step of the animation moves.
class TForm3 : public QDialog {
    Q_OBJECT
public:
    explicit TForm3(Heliodial &app);

    QLabel *Label1;
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
    // Every way of closing (the button, Esc, the close box) ends here.
    void done(int result) override;

private:
    Heliodial &m_app;
};
