object SLScopeChannelForm: TSLScopeChannelForm
  Left = 0
  Top = 0
  BorderStyle = bsNone
  Caption = 'Channels'
  ClientHeight = 234
  ClientWidth = 505
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'Tahoma'
  Font.Style = []
  OldCreateOrder = False
  PixelsPerInch = 96
  TextHeight = 13
  object ChannelsListBox: TCheckListBox
    Left = 0
    Top = 0
    Width = 145
    Height = 234
    TabOrder = 0
  end
  object VisibleCheckBox: TCheckBox
    Left = 152
    Top = 4
    Width = 53
    Height = 17
    Caption = '&Visible'
    TabOrder = 1
  end
  object Panel1: TPanel
    Left = 207
    Top = 2
    Width = 41
    Height = 25
    BevelOuter = bvLowered
    TabOrder = 2
    object ColorPaintBox: TPaintBox
      Left = 1
      Top = 1
      Width = 39
      Height = 23
    end
  end
  object ColorButton: TButton
    Left = 252
    Top = 2
    Width = 65
    Height = 25
    Caption = '&Color...'
    TabOrder = 3
  end
  object Label1: TLabel
    Left = 152
    Top = 34
    Width = 27
    Height = 13
    Caption = '&Name'
  end
  object NameEdit: TEdit
    Left = 152
    Top = 48
    Width = 185
    Height = 21
    TabOrder = 4
  end
  object Label2: TLabel
    Left = 152
    Top = 80
    Width = 26
    Height = 13
    Caption = '&Mode'
  end
  object ModeComboBox: TComboBox
    Left = 196
    Top = 76
    Width = 141
    Height = 21
    Style = csDropDownList
    TabOrder = 5
  end
  object Label3: TLabel
    Left = 152
    Top = 108
    Width = 28
    Height = 13
    Caption = '&Width'
  end
  object WidthEdit: TEdit
    Left = 196
    Top = 104
    Width = 125
    Height = 21
    TabOrder = 6
  end
  object WidthUpDown: TUpDown
    Left = 321
    Top = 104
    Width = 16
    Height = 21
    Associate = WidthEdit
    Min = 1
    Max = 2000
  end
  object Label4: TLabel
    Left = 152
    Top = 136
    Width = 28
    Height = 13
    Caption = '&Shade'
  end
  object ShadeComboBox: TComboBox
    Left = 196
    Top = 132
    Width = 141
    Height = 21
    Style = csDropDownList
    TabOrder = 7
  end
  object Label5: TLabel
    Left = 152
    Top = 164
    Width = 33
    Height = 13
    Caption = '&X Axis'
  end
  object XAxisComboBox: TComboBox
    Left = 196
    Top = 160
    Width = 141
    Height = 21
    Style = csDropDownList
    TabOrder = 8
  end
  object Label6: TLabel
    Left = 152
    Top = 192
    Width = 33
    Height = 13
    Caption = '&Y Axis'
  end
  object YAxisComboBox: TComboBox
    Left = 196
    Top = 188
    Width = 141
    Height = 21
    Style = csDropDownList
    TabOrder = 9
  end
  object GroupBox1: TGroupBox
    Left = 344
    Top = 0
    Width = 161
    Height = 212
    Caption = ' &Points '
    TabOrder = 10
    object PointsVisibleCheckBox: TCheckBox
      Left = 8
      Top = 20
      Width = 97
      Height = 17
      Caption = 'V&isible'
      TabOrder = 0
    end
    object Label7: TLabel
      Left = 8
      Top = 48
      Width = 28
      Height = 13
      Caption = '&Shape'
    end
    object PointsShapeComboBox: TComboBox
      Left = 44
      Top = 44
      Width = 109
      Height = 21
      Style = csDropDownList
      TabOrder = 1
    end
    object Label8: TLabel
      Left = 8
      Top = 76
      Width = 19
      Height = 13
      Caption = '&Size'
    end
    object PointsSizeEdit: TEdit
      Left = 44
      Top = 72
      Width = 93
      Height = 21
      TabOrder = 2
    end
    object PointSizeUpDown: TUpDown
      Left = 137
      Top = 72
      Width = 16
      Height = 21
      Associate = PointsSizeEdit
      Min = 1
      Max = 100
    end
    object PointPenButton: TButton
      Left = 8
      Top = 104
      Width = 70
      Height = 25
      Caption = '&Pen...'
      TabOrder = 3
    end
    object PointBrushButton: TButton
      Left = 83
      Top = 104
      Width = 70
      Height = 25
      Caption = '&Brush...'
      TabOrder = 4
    end
    object PointsUseChannelColorCheckBox: TCheckBox
      Left = 8
      Top = 140
      Width = 145
      Height = 17
      Caption = '&Use Channel Color'
      TabOrder = 5
    end
  end
end
