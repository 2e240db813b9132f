#pragma once
// The drop-down editor of a grid cell. Typing chooses the first entry that starts with
// everything typed since the editor opened ("Hea" finds "Heavy pallet", however slowly it is
// typed); an entry picked from the open list is reported at once, so the grid can store it.
#include <QAbstractItemDelegate>
#include <QAbstractItemView>
#include <QComboBox>
#include <QPointer>

namespace palvane {

class GridComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit GridComboBox(QWidget* parent = nullptr);
    // The editor a delegate creates: a pick from the open list is stored at once (the delegate
    // commits it and closes the editor, the grid keeps the focus on that cell).
    static GridComboBox* forDelegate(const QAbstractItemDelegate* delegate, QWidget* parent);

    // The text typed so far.
    const QString& typedPrefix() const { return m_prefix; }
    // Adds the typed text to the prefix (Backspace takes one character back) and makes the
    // first entry starting with the prefix current, case ignored. A character that would leave
    // no entry is not taken. True when the key was one of those.
    bool typeAhead(const QString& text, int key);

    void showPopup() override;

signals:
    // An entry was picked from the open list (click, or Return in the list).
    void chosen();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int firstMatch(const QString& prefix) const;
    QString m_prefix;
    bool m_listOpen = false;
    // The list of the drop-down (watched for its keys and its closing).
    QPointer<QAbstractItemView> m_list;
};

} // namespace palvane
