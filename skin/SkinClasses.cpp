#include "skin/SkinClasses.h"

#include "skin/VarUdedStore.h"
#if DEVTOOL_SKIN_ENGINE
#include "skin/VarUdedData.h"
#endif

void RegisterSkinClasses() {
    RegisterComponentClass(TSkinStore::StaticClassInfo());
#if DEVTOOL_SKIN_ENGINE
    RegisterComponentClass(TSkinData::StaticClassInfo());
#endif
}
