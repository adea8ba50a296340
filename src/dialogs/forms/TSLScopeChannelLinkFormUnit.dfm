object SLScopeChannelLinkFormUnit: TSLScopeChannelLinkFormUnit
  Left = 0
  Top = 0
  BorderStyle = bsNone
  Caption = 'Channel Links'
  ClientHeight = 234
  ClientWidth = 419
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'Tahoma'
  Font.Style = []
  OldCreateOrder = False
  PixelsPerInch = 96
  TextHeight = 13
  object ChannelLinksCheckBox: TCheckListBox
    Left = 0
    Top = 0
    Width = 145
    Height = 234
  end
  object VisibleCheckBox: TCheckBox
    Left = 152
    Top = 4
    Width = 97
    Height = 17
    Caption = '&Visible'
  end
  object Label1: TLabel
    Left = 152
    Top = 30
    Width = 60
    Height = 13
    Caption = '&Name'
  end
  object NameEdit: TEdit
    Left = 152
    Top = 44
    Width = 165
    Height = 21
  end
  object Label2: TLabel
    Left = 152
    Top = 74
    Width = 60
    Height = 13
    Caption = '&First Channel'
  end
  object FirstChannelComboBox: TComboBox
    Left = 240
    Top = 70
    Width = 160
    Height = 21
    Style = csDropDownList
  end
  object Label3: TLabel
    Left = 152
    Top = 102
    Width = 60
    Height = 13
    Caption = '&Second Channel'
  end
  object SecondChannelComboBox: TComboBox
    Left = 240
    Top = 98
    Width = 160
    Height = 21
    Style = csDropDownList
  end
  object Label4: TLabel
    Left = 152
    Top = 130
    Width = 60
    Height = 13
    Caption = '&Mode'
  end
  object ModeComboBox: TComboBox
    Left = 240
    Top = 126
    Width = 160
    Height = 21
    Style = csDropDownList
  end
  object Label5: TLabel
    Left = 152
    Top = 158
    Width = 60
    Height = 13
    Caption = '&Width'
  end
  object WidthEdit: TEdit
    Left = 240
    Top = 154
    Width = 144
    Height = 21
  end
  object WidthUpDown: TUpDown
    Left = 384
    Top = 154
    Width = 16
    Height = 21
    Associate = WidthEdit
    Min = 1
    Max = 2000
  end
  object PointBrushButton: TButton
    Left = 152
    Top = 188
    Width = 75
    Height = 25
    Caption = '&Brush...'
  end
end
