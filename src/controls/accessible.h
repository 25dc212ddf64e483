#pragma once

#include <QList>
#include <QString>

class QWidget;

// What the game's controls are to assistive technology (the tree a screen reader reads). The
// controls draw pictures and captions that say nothing by themselves to a reader: each is
// given a role and a name here, and pictures that a reading stands for are left out.
namespace tavrin::accessible {

enum class Role {
    Picture,  // the default for images and picture boxes
    Text,     // the default for captions: read as text
    LiveText, // a message line whose changes are told as they happen
    Button,   // acted on: a reader can press it
    Link,
    List,
    ListItem,
};

void setRole(QWidget& control, Role role);
Role role(const QWidget& control);

// The name read out, in place of the caption. With announce, assistive technology is told
// that it changed (a reader may speak it); without, the new name is simply there when next
// asked for (a die turning several times a second must not chatter).
void setName(QWidget& control, const QString& name, bool announce = true);
// A caption changed from oldText: a text control tells assistive technology.
void textChanged(QWidget& control, const QString& oldText);

// Not in the tree: decoration, and pictures that a reading stands for.
void hide(QWidget& control);
bool isHidden(const QWidget& control);

// The items, in this order, appear in the tree as the list's children instead of their
// window's.
void setListItems(QWidget& list, const QList<QWidget*>& items);
QWidget* listOf(const QWidget& item);
// The item the list marks (the square the character stands on); the others are unmarked.
void setMarked(QWidget& item, bool marked);
bool isMarked(const QWidget& item);

// Has the game's controls answer for themselves; windows of the game add their own factory.
void installControlInterfaces();

} // namespace tavrin::accessible
