#pragma once
// Names for assistive technology (screen readers, UI automation through AT-SPI).
// A control that shows no text of its own is announced as nothing unless it has an
// accessible name; this gives every such control of a window a Russian one, taken
// from what a sighted user reads beside it, in the interface language. Visible texts are
// never touched.
class QWidget;

// Walks root and every widget under it and names each control that has no accessible
// name yet: a diagram (and the frame holding it) after the diagram's title, an edit box
// after its label (buddy, or the nearest label to its left or above), its hint or its
// placeholder, a button without a caption after its hint, which also becomes its
// accessible description. Controls with a caption keep it as their name.
// Names it gave before are renewed (a diagram's title may have changed), names set by
// anyone else are kept, so calling it again, e.g. on each showing, is safe.
void GiveAccessibleNames(QWidget* root);
// GiveAccessibleNames again for a window this helper has named before (after its texts
// changed language); a window it never named is left alone.
void RenewAccessibleNames(QWidget* root);
