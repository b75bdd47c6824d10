#pragma once

#include "app/GameForm.h"

class GameLabel;
class QPushButton;

// Deletion of the logged-in child and all of the child's files.
class TForm16 : public GameForm
{
    Q_OBJECT
public:
    explicit TForm16(WindowSet &windows);

    GameLabel *Label1;
    QPushButton *Button1;
    QPushButton *Button2;

protected:
    void FormActivate() override;
    void FormClose() override;

private:
    void Button1Click();
    void Button2Click();
};
