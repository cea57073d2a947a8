#pragma once
// The profile remembered on close is the profile that is loaded, not the
// button the pointer last highlighted. When no profile could be loaded (a
// missing profiles.pop or picture at start), the id remembered before is
// kept for the next start.

inline int profileIdToRemember(int loadedProfileId, int rememberedId)
{
    return loadedProfileId != 0 ? loadedProfileId : rememberedId;
}
