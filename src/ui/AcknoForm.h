#pragma once
// The Acknowledgements window: thanks to the translators of the localized versions and the
// contact for new translations, with a Close button.
#include <QDialog>

class QLabel;
class QPushButton;

namespace palvane {

class TAcknoForm : public QDialog {
    Q_OBJECT
public:
    explicit TAcknoForm(QWidget* parent = nullptr);

    // The three caption labels, their name and contact labels, and the Close button.
    QLabel* captionLabel(int i) const { return m_captions[i]; }
    QLabel* nameLabel(int i) const { return m_names[i]; }
    QPushButton* CloseButton() const { return m_close; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();

    QLabel* m_captions[3];
    QLabel* m_names[3];
    QPushButton* m_close;
};

} // namespace palvane
