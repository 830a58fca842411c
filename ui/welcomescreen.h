#pragma once

#include <QWidget>

class AppState;
class QLabel;
class QPushButton;

// The page shown when there is nothing to register yet, or when the online
// session has ended. Its buttons only ask the main window to act.
class WelcomeScreen : public QWidget
{
    Q_OBJECT

public:
    explicit WelcomeScreen(AppState *state, QWidget *parent = nullptr);
    ~WelcomeScreen() override;

    void setSessionExpired(bool expired);

Q_SIGNALS:
    void createAccountRequested();
    void signInRequested();

private:
    QWidget *buildContent();
    QWidget *buildHowItWorksCard();
    QWidget *buildStepRow(int number, const QString &text);
    // The prominent button gets the accent style; the other reads as a link.
    static void stylePrimary(QPushButton *button);
    static void styleSecondary(QPushButton *button);

    AppState *m_state;
    QLabel *m_titleLabel = nullptr;
    QLabel *m_taglineLabel = nullptr;
    QLabel *m_sessionNoteLabel = nullptr;
    QWidget *m_howItWorksCard = nullptr;
    QPushButton *m_createButton = nullptr;
    QPushButton *m_signInButton = nullptr;
};
