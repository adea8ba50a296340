#include "forms/controls/register_controls.h"

#include "forms/class_registry.h"
#include "forms/controls/components.h"
#include "forms/controls/form.h"
#include "forms/controls/standard_controls.h"

void RegisterStandardControls() {
  auto& registry = TClassRegistry::Instance();
  registry.Register<TForm>();
  registry.Register<TPanel>();
  registry.Register<TLabel>();
  registry.Register<TButton>();
  registry.Register<TBitBtn>();
  registry.Register<TCheckBox>();
  registry.Register<TRadioButton>();
  registry.Register<TEdit>();
  registry.Register<TComboBox>();
  registry.Register<TScrollBar>();
  registry.Register<TTrackBar>();
  registry.Register<TPageControl>();
  registry.Register<TTabSheet>();
  registry.Register<TImage>();
  registry.Register<TShape>();
  registry.Register<TPopupMenu>();
  registry.Register<TMenuItem>();
  registry.Register<TOpenPictureDialog>();
  registry.Register<TFolderDialog>();
  registry.Register<TTimer>();
}
