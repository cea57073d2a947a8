#pragma once
// Modal prompts of the program: message boxes (and, later, file and folder
// choosers). Everything that asks the user goes through this interface, so
// tests can answer without a human.

#include <QPointer>
#include <QString>
#include <QWidget>

class Prompts {
public:
    virtual ~Prompts() = default;
    // A warning box with an OK button.
    virtual void warning(const QString &text) = 0;
    // An information box with an OK button.
    virtual void information(const QString &text) = 0;
    // A Yes/No box; true when the user answered Yes.
    virtual bool question(const QString &text) = 0;
};

// The standard message boxes, modal to the parent window, titled with the
// application's name.
class QtPrompts : public Prompts {
public:
    explicit QtPrompts(QWidget *parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget *parent) { m_parent = parent; }

    void warning(const QString &text) override;
    void information(const QString &text) override;
    bool question(const QString &text) override;

private:
    QPointer<QWidget> m_parent;
};
