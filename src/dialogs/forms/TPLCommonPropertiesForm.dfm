object PLCommonPropertiesForm: TPLCommonPropertiesForm
  Left = 0
  Top = 0
  BorderStyle = bsToolWindow
  Caption = 'Settings'
  ClientHeight = 80
  ClientWidth = 80
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'Tahoma'
  Font.Style = []
  KeyPreview = True
  OldCreateOrder = False
  Position = poDesigned
  PixelsPerInch = 96
  TextHeight = 13
  object PageControl: TPageControl
    Left = 0
    Top = 0
    Width = 80
    Height = 39
    TabOrder = 0
    OnChange = PageControlChange
  end
  object Panel1: TPanel
    Left = 0
    Top = 39
    Width = 80
    Height = 41
    BevelWidth = 2
    TabOrder = 1
    object AddButton: TButton
      Left = 8
      Top = 8
      Width = 75
      Height = 25
      Caption = 'Add'
      TabOrder = 0
      OnClick = AddButtonClick
    end
    object RemoveButton: TButton
      Left = 88
      Top = 8
      Width = 75
      Height = 25
      Caption = 'Remove'
      TabOrder = 1
      OnClick = RemoveButtonClick
    end
    object Panel2: TPanel
      Left = 0
      Top = 0
      Width = 101
      Height = 41
      BevelOuter = bvNone
      TabOrder = 2
      object OkButton: TButton
        Left = 19
        Top = 6
        Width = 75
        Height = 25
        Caption = 'OK'
        Default = True
        Cancel = True
        TabOrder = 0
        OnClick = OkButtonClick
      end
    end
  end
end
