object SLScopeCursorLinksForm: TSLScopeCursorLinksForm
  Left = 0
  Top = 0
  BorderStyle = bsNone
  Caption = 'Cursor Links'
  ClientHeight = 234
  ClientWidth = 485
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'Tahoma'
  Font.Style = []
  OldCreateOrder = False
  PixelsPerInch = 96
  TextHeight = 13
  object CursorLinksListBox: TListBox
    Left = 0
    Top = 0
    Width = 145
    Height = 234
    TabOrder = 0
  end
  object Label1: TLabel
    Left = 152
    Top = 4
    Width = 27
    Height = 13
    Caption = '&Name'
  end
  object NameEdit: TEdit
    Left = 152
    Top = 18
    Width = 150
    Height = 21
    TabOrder = 1
  end
  object Label2: TLabel
    Left = 152
    Top = 46
    Width = 62
    Height = 13
    Caption = 'Be&gin Cursor'
  end
  object BeginCursorComboBox: TComboBox
    Left = 152
    Top = 60
    Width = 150
    Height = 21
    Style = csDropDownList
    TabOrder = 2
  end
  object Label3: TLabel
    Left = 152
    Top = 88
    Width = 55
    Height = 13
    Caption = '&End Cursor'
  end
  object EndCursorComboBox: TComboBox
    Left = 152
    Top = 102
    Width = 150
    Height = 21
    Style = csDropDownList
    TabOrder = 3
  end
  object GroupBox3: TGroupBox
    Left = 152
    Top = 136
    Width = 150
    Height = 94
    Caption = ' Selection '
    TabOrder = 4
    object SelectionVisibleCheckBox: TCheckBox
      Left = 8
      Top = 22
      Width = 97
      Height = 17
      Caption = 'Vi&sible'
      TabOrder = 0
    end
    object PointBrushButton: TButton
      Left = 8
      Top = 48
      Width = 75
      Height = 25
      Caption = '&Brush...'
      TabOrder = 1
    end
  end
  object GroupBox1: TGroupBox
    Left = 308
    Top = 0
    Width = 177
    Height = 124
    Caption = ' Measurment '
    TabOrder = 5
    object MeasurementVisibleCheckBox: TCheckBox
      Left = 8
      Top = 20
      Width = 57
      Height = 17
      Caption = 'V&isible'
      TabOrder = 0
    end
    object Panel1: TPanel
      Left = 66
      Top = 16
      Width = 41
      Height = 25
      BevelOuter = bvLowered
      TabOrder = 1
      object MeasurementColorPaintBox: TPaintBox
        Left = 1
        Top = 1
        Width = 39
        Height = 23
      end
    end
    object MeasurementColorButton: TButton
      Left = 110
      Top = 16
      Width = 61
      Height = 25
      Caption = '&Color...'
      TabOrder = 2
    end
    object Label4: TLabel
      Left = 8
      Top = 66
      Width = 24
      Height = 13
      Caption = '&Style'
    end
    object MeasurementStyleComboBox: TComboBox
      Left = 44
      Top = 62
      Width = 127
      Height = 21
      Style = csDropDownList
      TabOrder = 3
    end
    object Label5: TLabel
      Left = 8
      Top = 94
      Width = 26
      Height = 13
      Caption = '&Mode'
    end
    object MeasurementModeComboBox: TComboBox
      Left = 44
      Top = 90
      Width = 127
      Height = 21
      Style = csDropDownList
      TabOrder = 4
    end
  end
  object GroupBox2: TGroupBox
    Left = 308
    Top = 128
    Width = 177
    Height = 102
    Caption = ' Label '
    TabOrder = 6
    object LabelVisibleCheckBox: TCheckBox
      Left = 8
      Top = 20
      Width = 65
      Height = 17
      Caption = 'Visi&ble'
      TabOrder = 0
    end
    object BitBtn3: TBitBtn
      Left = 96
      Top = 16
      Width = 75
      Height = 25
      Caption = '&Font...'
      TabOrder = 1
    end
    object LabelEdit: TEdit
      Left = 8
      Top = 56
      Width = 131
      Height = 21
      TabOrder = 2
    end
    object LabelMenuButton: TButton
      Left = 144
      Top = 54
      Width = 27
      Height = 25
      Caption = '...'
      TabOrder = 3
    end
  end
  object LabelPopupMenu: TPopupMenu
    object ValueMenuItem: TMenuItem
      Caption = 'Value'
    end
    object PercentMenuItem: TMenuItem
      Caption = '%'
    end
  end
end
