#include "skin/SkinClasses.h"

#include "skin/VarUdedStore.h"

void RegisterSkinClasses() {
    RegisterComponentClass(TSkinStore::StaticClassInfo());
}
