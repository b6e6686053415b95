#pragma once
// What a screen reader finds in the game window: each control the player
// uses with a role and a name, named from what the control shows, so that a
// face-down card never gives its picture away.
class frmGame;

// Gives the controls their roles and fixed names; once, with the layout.
void OfferToScreenReaders(frmGame &form);

// Names the cards, the miss markers and the result panel after what they show
// now; a screen reader hears each change, and the result as an alert.
void NameForScreenReaders(frmGame &form);
