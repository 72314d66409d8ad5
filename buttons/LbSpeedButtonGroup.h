#pragma once
// The group rule of the speed button: the TLbSpeedButton children of one parent that share a
// non-zero GroupIndex are exclusive, so at most one of them is Down. Buttons with the same index on
// another parent are another group; GroupIndex 0 is no group.

namespace lb {

class TLbSpeedButton;

// Pops up every button of `keeper`'s group other than `keeper` that is Down: it is repainted and
// tells assistive technology of its new state. Nothing happens for GroupIndex 0 or without a
// parent. Called by the button before its own Down changes, whichever way it changes.
void LbReleaseOthersOfGroup(const TLbSpeedButton& keeper);

}  // namespace lb
