object SLScopeMerkerGroupsForm: TSLScopeMerkerGroupsForm
  Left = 0
  Top = 0
  BorderStyle = bsNone
  Caption = 'Marker Groups'
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
  object GroupListBox: TCheckListBox
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
    Caption = '&Shape'
  end
  object ShapeComboBox: TComboBox
    Left = 196
    Top = 70
    Width = 121
    Height = 21
    Style = csDropDownList
  end
  object Label3: TLabel
    Left = 152
    Top = 102
    Width = 60
    Height = 13
    Caption = 'Si&ze'
  end
  object SizeEdit: TEdit
    Left = 196
    Top = 98
    Width = 105
    Height = 21
  end
  object WidthUpDown: TUpDown
    Left = 301
    Top = 98
    Width = 16
    Height = 21
    Associate = SizeEdit
    Min = 1
    Max = 100
  end
  object PointPenButton: TButton
    Left = 152
    Top = 128
    Width = 80
    Height = 25
    Caption = '&Pen...'
  end
  object PointBrushButton: TButton
    Left = 237
    Top = 128
    Width = 80
    Height = 25
    Caption = '&Brush...'
  end
  object GroupBox1: TGroupBox
    Left = 152
    Top = 158
    Width = 165
    Height = 74
    Caption = ' Labels '
    object LabelVisibleCheckBox: TCheckBox
      Left = 8
      Top = 18
      Width = 65
      Height = 17
      Caption = 'V&isible'
    end
    object BitBtn3: TButton
      Left = 84
      Top = 14
      Width = 75
      Height = 25
      Caption = '&Font...'
    end
    object LabelEdit: TEdit
      Left = 8
      Top = 44
      Width = 120
      Height = 21
    end
    object LabelMenuButton: TButton
      Left = 132
      Top = 42
      Width = 27
      Height = 25
      Caption = '...'
    end
  end
  object GroupBox2: TGroupBox
    Left = 324
    Top = 0
    Width = 161
    Height = 234
    Caption = ' Crosshairs '
    object LeftCheckBox: TCheckBox
      Left = 8
      Top = 22
      Width = 60
      Height = 17
      Caption = 'Left'
    end
    object LeftPenButton: TButton
      Left = 78
      Top = 18
      Width = 75
      Height = 25
      Caption = '&Pen...'
    end
    object TopCheckBox: TCheckBox
      Left = 8
      Top = 52
      Width = 60
      Height = 17
      Caption = 'Top'
    end
    object TopPenButton: TButton
      Left = 78
      Top = 48
      Width = 75
      Height = 25
      Caption = '&Pen...'
    end
    object RightCheckBox: TCheckBox
      Left = 8
      Top = 82
      Width = 60
      Height = 17
      Caption = 'Right'
    end
    object RightPenButton: TButton
      Left = 78
      Top = 78
      Width = 75
      Height = 25
      Caption = '&Pen...'
    end
    object BottomCheckBox: TCheckBox
      Left = 8
      Top = 112
      Width = 60
      Height = 17
      Caption = 'Bottom'
    end
    object BottomPenButton: TButton
      Left = 78
      Top = 108
      Width = 75
      Height = 25
      Caption = '&Pen...'
    end
  end
  object LabelPopupMenu: TPopupMenu
    object XAxisMenuItem: TMenuItem
      Caption = 'X Axis'
    end
    object YAxisMenuItem: TMenuItem
      Caption = 'Y Axis'
    end
    object PercentMenuItem: TMenuItem
      Caption = '%'
    end
  end
end
