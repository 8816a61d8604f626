#pragma once

#include "platform/PrefKey.h"

#include <QDialog>

#include <functional>

class QLineEdit;

// The page header and footer sheet: edits the two templates stamped on every printed and
// exported page ("printHeaderTemplate", "printFooterTemplate"). Edits are stored as they
// are typed; there is no cancel.
class HeaderFooterEditor : public QDialog {
    Q_OBJECT
public:
    explicit HeaderFooterEditor(std::function<void()> onDone, QWidget* parent = nullptr);

    // Shows the sheet window-modally over `window`; closing it deletes it.
    static HeaderFooterEditor* showFor(QWidget* window);

    // The registered defaults, which Reset puts back.
    static QString defaultHeader() { return PrefKey::defaults().value(PrefKey::printHeaderTemplate).toString(); }
    static QString defaultFooter() { return PrefKey::defaults().value(PrefKey::printFooterTemplate).toString(); }

    QLineEdit* headerField() const { return m_header; }
    QLineEdit* footerField() const { return m_footer; }

    void resetToDefault();

public Q_SLOTS:
    void done(int result) override;

private:
    std::function<void()> m_onDone;
    QLineEdit* m_header;
    QLineEdit* m_footer;
};
